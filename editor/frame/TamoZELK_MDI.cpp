// The editor TamoZELK_MDI: the application object and the program's entry.

#include <cstdio>
#include <string>

#include "CTamoZELK_MDIApp.h"
#include "EditorResources.h"

CTamoZELK_MDIApp theApp;

int main(int argc, char** argv) {
    std::string error;
    if (!tamo::res::LoadEditorResources(&error)) {
        std::fprintf(stderr, "TamoZELK_MDI: %s\n", error.c_str());
        return 1;
    }
    return AfxWinMain(argc, argv);
}
