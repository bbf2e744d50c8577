#pragma once

// The member methods of an interface as the interface boxes and the circle stub's pop-up list them: one pass
// per method type, in a fixed order; the first member of a type brings its group item ("<< call >> \n"), every
// member of the type a child under it. Types are compared exactly, so a member of another type ("CALLBACK")
// is listed nowhere.

#include <string>
#include <vector>

#include "CTreeCtrl.h"
#include "class_method_info.h"

struct MemberMethodPass {
    const char* type;    // "CALL", "SIGNAL", "EVENT", "COMMAND" or "INFORMATION"
    const char* group;   // the group item's text
    const char* prefix;  // before the name of a CALL or SIGNAL child ("on_" on the serving side)
};

// The passes of a proxy box, of a stub box and of the pop-up of a circle stub.
const std::vector<MemberMethodPass>& proxy_member_passes();
const std::vector<MemberMethodPass>& stub_member_passes();
const std::vector<MemberMethodPass>& popup_member_passes();

// The child text of a member in a pass: "GetPosition(in,out):tamo_err_t", "Ping(in,out):void",
// "PositionChanged event(out):void", "ResetNav com:PosTime", "NavInfo inf:Waypoint".
std::string member_method_text(const MemberMethodPass& pass, const class_method_info& member);

// What filling a tree gave: the rows the boxes size themselves by (every member once per pass, whether it
// matched or not, and every group item) and the longest child text (CodePageLength).
struct MemberMethodRows {
    int rows = 0;
    std::size_t longest = 0;
};

// Inserts the groups and children below `parent` (TVI_ROOT for the top level); each group is expanded after
// each child it gets.
MemberMethodRows fill_member_methods(CTreeCtrl& tree, HTREEITEM parent, const std::vector<class_method_info>& members,
                                     const std::vector<MemberMethodPass>& passes);
