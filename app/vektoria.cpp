// Program entry.
#include "startup.h"

int main(int argc, char** argv) { return vektoria::RunProgram(argc, argv); }
