#include "TestResources.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "EditorResources.h"
#include "ResourceScript.h"

namespace {

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace

void LoadPlatformTestResources() {
    static const bool loaded = [] {
        std::string error;
        if (!tamo::res::LoadEditorResources(&error)) {
            ADD_FAILURE() << error;
            return false;
        }
        const std::string folder = TAMO_PLATFORM_TEST_RES;
        const auto script = ReadFile(folder + "/platform_test.rc");
        if (!script) {
            ADD_FAILURE() << "no " << folder << "/platform_test.rc";
            return false;
        }
        const auto files = [&folder](const std::string& name) { return ReadFile(folder + "/" + name); };
        if (!tamo::res::ResourceScript::Load("platform_test.rc", *script, files,
                                             tamo::platform::ResourceTable::Instance(), &error)) {
            ADD_FAILURE() << error;
            return false;
        }
        return true;
    }();
    ASSERT_TRUE(loaded);
}
