#include "MemberMethodTree.h"

#include <algorithm>

#include "Utf8.h"

const std::vector<MemberMethodPass>& proxy_member_passes() {
    static const std::vector<MemberMethodPass> passes = {{"CALL", "<< call >> \n", ""},
                                                         {"SIGNAL", "<< signal >> \n", ""},
                                                         {"EVENT", "<< event >> \n", ""},
                                                         {"COMMAND", "<< command >> \n", ""}};
    return passes;
}

const std::vector<MemberMethodPass>& stub_member_passes() {
    static const std::vector<MemberMethodPass> passes = {{"CALL", "<< call >> \n", ""},
                                                         {"SIGNAL", "<< signal >> \n", ""},
                                                         {"EVENT", "<< event >> \n", ""},
                                                         {"INFORMATION", "<< information >> \n", ""}};
    return passes;
}

const std::vector<MemberMethodPass>& popup_member_passes() {
    static const std::vector<MemberMethodPass> passes = {{"CALL", "<< call >> \n", "on_"},
                                                         {"SIGNAL", "<< signal >> \n", "on_"},
                                                         {"EVENT", "<< event >> \n", ""},
                                                         {"INFORMATION", "<< information >> \n", ""}};
    return passes;
}

std::string member_method_text(const MemberMethodPass& pass, const class_method_info& member) {
    const std::string type = pass.type;
    if (type == "CALL") return pass.prefix + member.name + "(in,out):tamo_err_t";
    if (type == "SIGNAL") return pass.prefix + member.name + "(in,out):void";
    if (type == "EVENT") return member.name + " event(out):void";
    if (type == "COMMAND") return member.name + " com:" + member.in_data;
    return member.name + " inf:" + member.out_data;
}

MemberMethodRows fill_member_methods(CTreeCtrl& tree, HTREEITEM parent, const std::vector<class_method_info>& members,
                                     const std::vector<MemberMethodPass>& passes) {
    MemberMethodRows filled;
    for (const MemberMethodPass& pass : passes) {
        HTREEITEM group = nullptr;
        for (const class_method_info& member : members) {
            ++filled.rows;
            if (member.type != pass.type) continue;
            if (!group) {
                group = tree.InsertItem(pass.group, parent);
                ++filled.rows;
            }
            const std::string text = member_method_text(pass, member);
            tree.InsertItem(text.c_str(), group);
            tree.Expand(group, TVE_EXPAND);
            filled.longest = std::max(filled.longest, tamo::platform::CodePageLength(text));
        }
    }
    return filled;
}
