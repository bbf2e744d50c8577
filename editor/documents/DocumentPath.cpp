#include "DocumentPath.h"

std::string DocumentPath(std::string chosen, std::string_view extension) {
    if (chosen.find(extension) == std::string::npos) chosen += extension;
    return chosen;
}
