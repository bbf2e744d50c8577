#pragma once

// The resources of the platform tests (res/platform_test.rc) together with the editor's own, loaded once.
void LoadPlatformTestResources();

// Ids of res/platform_test.rc.
constexpr unsigned kControlsDialog = 9000;
constexpr unsigned kPopupMenu = 9001;
constexpr unsigned kFrameResource = 9100;
constexpr unsigned kTreeImages = 9101;
constexpr unsigned kHandledCommand = 32771;
constexpr unsigned kUnhandledCommand = 32772;
constexpr unsigned kInnerCommand = 32773;
