#include "SessionMessageBox.h"

#include <cstdio>


namespace {

int WriteToStandardError(LPCTSTR text, UINT) {
    std::fprintf(stderr, "%s\n", text ? text : "");
    return IDOK;
}

SessionMessageBoxHandler g_handler = WriteToStandardError;

}  // namespace

SessionMessageBoxHandler SetSessionMessageBoxHandler(SessionMessageBoxHandler handler) {
    SessionMessageBoxHandler previous = g_handler;
    g_handler = handler ? handler : WriteToStandardError;
    return previous;
}

int SessionMessageBox(LPCTSTR text, UINT type) { return g_handler(text, type); }
