#include "equation_writer.h"

namespace vektoria {

std::string ComposeEquationLine(const std::vector<std::string>& coefficients,
                                const std::string& constant) {
    std::string line;
    for (const std::string& text : coefficients) {
        if (text.empty()) continue;  // empty cells close up
        if (!line.empty()) line.push_back(' ');
        line += text;
    }
    line.push_back('=');
    line += constant;
    return line;
}

}  // namespace vektoria
