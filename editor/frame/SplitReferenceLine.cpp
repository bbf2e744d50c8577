#include "SplitReferenceLine.h"

#include <utility>

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
    ReferenceLine first = ReadReferenceLine(line).front();
    type = std::move(first.type);
    name = std::move(first.name);
    path = std::move(first.path);
}

std::vector<ReferenceLine> ReadReferenceLine(const std::string& line) {
    const std::string::size_type typeStart = ValueStart(line, kTypeMarker);
    const std::string::size_type nameMarker = line.find(kNameMarker, typeStart == std::string::npos ? 0 : typeStart);
    const std::string::size_type nameStart =
        nameMarker == std::string::npos ? nameMarker : nameMarker + kNameMarker.size();
    const std::string type = ValueBetween(line, typeStart, nameMarker);

    std::vector<ReferenceLine> readings;
    std::string::size_type pathMarker = line.find(kPathMarker, nameStart == std::string::npos ? 0 : nameStart);
    while (pathMarker != std::string::npos) {
        readings.push_back(
            {type, ValueBetween(line, nameStart, pathMarker), line.substr(pathMarker + kPathMarker.size())});
        pathMarker = line.find(kPathMarker, pathMarker + kPathMarker.size());
    }
    if (readings.empty()) readings.push_back({type, ValueBetween(line, nameStart, pathMarker), ""});
    return readings;
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
