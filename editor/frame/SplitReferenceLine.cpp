#include "SplitReferenceLine.h"

namespace {

const std::string kTypeMarker = "[타입]";
const std::string kNameMarker = "[이름]";
const std::string kPathMarker = "[경로]";

// The text from `from` up to one character before `to` (the blank that separates the values).
std::string ValueBetween(const std::string& line, std::string::size_type from, std::string::size_type to) {
    if (from == std::string::npos || to == std::string::npos || to < from + 1) return "";
    return line.substr(from, to - 1 - from);
}

std::string::size_type ValueStart(const std::string& line, const std::string& marker) {
    const std::string::size_type at = line.find(marker);
    return at == std::string::npos ? at : at + marker.size();
}

}  // namespace

void SplitReferenceLine(std::string& name, std::string& path, const std::string& line, std::string& type) {
    const std::string::size_type typeStart = ValueStart(line, kTypeMarker);
    const std::string::size_type nameMarker = line.find(kNameMarker, typeStart == std::string::npos ? 0 : typeStart);
    const std::string::size_type nameStart =
        nameMarker == std::string::npos ? nameMarker : nameMarker + kNameMarker.size();
    const std::string::size_type pathMarker = line.find(kPathMarker, nameStart == std::string::npos ? 0 : nameStart);

    type = ValueBetween(line, typeStart, nameMarker);
    name = ValueBetween(line, nameStart, pathMarker);
    path = pathMarker == std::string::npos ? "" : line.substr(pathMarker + kPathMarker.size());
}

std::vector<std::string> SplitTreePath(const std::string& path) {
    std::vector<std::string> components;
    std::string::size_type start = 0;
    while (start < path.size()) {
        const std::string::size_type end = path.find('\\', start);
        if (end == std::string::npos) {
            components.push_back(path.substr(start));
            break;
        }
        components.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return components;
}
