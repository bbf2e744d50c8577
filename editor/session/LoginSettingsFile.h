#pragma once

// The settings file of the login values: exactly the 896 bytes of the block, no header. A field that is not
// remembered is written as 128 zero bytes. The file holds passwords as plain text, so it is created
// readable and writable by its owner only.

#include <vector>

#include "CLoginValues.h"
#include "CString.h"

inline constexpr const char* LOGIN_SETTINGS_FILE = "./login.cfg";

// Fills `values` from the file at `path`. A file that cannot be opened, or is no regular file (a FIFO, a device,
// a folder), gives the first-run values silently.
// Returns the texts to show, in order: "err(fread)" when the file is shorter than the block (the fields keep
// what was read, the rest stays empty), "err(fclose" when closing fails.
std::vector<CString> LoadLoginSettings(const char* path, CLoginValues& values);

// Writes the block to `path`, with fields 3 and 4 zeroed unless the database account is remembered and
// fields 5 and 6 zeroed unless the application account is remembered. The block replaces the file whole (a new
// file beside it, renamed over it), so a failed write leaves the old settings as they were. A file that cannot
// be created, or a path that holds a symbolic link or anything but a regular file, is silently not written.
// Returns the texts to show: "err(fwrite)" or "err(fclose", each followed by the path and the system's reason.
std::vector<CString> StoreLoginSettings(const char* path, const CLoginValues& values, bool rememberDbAccount,
                                        bool rememberUserAccount);
