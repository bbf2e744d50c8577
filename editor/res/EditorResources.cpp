#include "EditorResources.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "EmbeddedFiles.h"
#include "ResourceScript.h"

namespace tamo::res {

namespace {

std::string_view Bytes(const EmbeddedFile& file) {
    return std::string_view(reinterpret_cast<const char*>(file.bytes), file.size);
}

const EmbeddedFile* FindEmbedded(const std::string& name) {
    for (const EmbeddedFile* file = kEmbeddedFiles; file->name; ++file)
        if (name == file->name) return file;
    return nullptr;
}

std::string FolderOf(const std::string& name) {
    const auto slash = name.rfind('/');
    return slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
}

bool LoadAll(std::string* error) {
    std::vector<const EmbeddedFile*> scripts;
    for (const EmbeddedFile* file = kEmbeddedFiles; file->name; ++file)
        if (std::string_view(file->name).ends_with(".rc")) scripts.push_back(file);
    std::sort(scripts.begin(), scripts.end(),
              [](const EmbeddedFile* a, const EmbeddedFile* b) { return std::string_view(a->name) < b->name; });
    for (const EmbeddedFile* script : scripts) {
        const std::string folder = FolderOf(script->name);
        const auto lookup = [&folder](const std::string& relative) -> std::optional<std::string> {
            const EmbeddedFile* file = FindEmbedded(folder + relative);
            if (!file) return std::nullopt;
            return std::string(Bytes(*file));
        };
        if (!ResourceScript::Load(script->name, Bytes(*script), lookup, platform::ResourceTable::Instance(), error))
            return false;
    }
    return true;
}

}  // namespace

bool LoadEditorResources(std::string* error) {
    static std::string firstError;
    static const bool loaded = LoadAll(&firstError);
    if (!loaded && error) *error = firstError;
    return loaded;
}

}  // namespace tamo::res
