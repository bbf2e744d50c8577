#include "ResourceTable.h"

namespace tamo::platform {

namespace {
template <typename Map>
const typename Map::mapped_type* FindIn(const Map& map, const typename Map::key_type& key) {
    const auto at = map.find(key);
    return at == map.end() ? nullptr : &at->second;
}
}  // namespace

ResourceTable& ResourceTable::Instance() {
    static ResourceTable table;
    return table;
}

bool ResourceTable::AddString(UINT id, const CString& text) { return m_strings.emplace(id, text).second; }
bool ResourceTable::AddDialog(const DialogTemplate& dialog) { return m_dialogs.emplace(dialog.id, dialog).second; }
bool ResourceTable::AddMenu(const MenuTemplate& menu) { return m_menus.emplace(menu.id, menu).second; }
bool ResourceTable::AddToolbar(const ToolbarTemplate& toolbar) {
    return m_toolbars.emplace(toolbar.id, toolbar).second;
}
bool ResourceTable::AddImage(const ImageResource& image) {
    return m_images.emplace(std::make_pair(static_cast<int>(image.kind), image.id), image).second;
}

bool ResourceTable::AddDialogInitEntries(UINT dialogId, const std::vector<DialogInitEntry>& entries) {
    const auto dialog = m_dialogs.find(dialogId);
    if (dialog == m_dialogs.end()) return false;
    dialog->second.initEntries.insert(dialog->second.initEntries.end(), entries.begin(), entries.end());
    return true;
}

const CString* ResourceTable::FindString(UINT id) const { return FindIn(m_strings, id); }
const DialogTemplate* ResourceTable::FindDialog(UINT id) const { return FindIn(m_dialogs, id); }
const MenuTemplate* ResourceTable::FindMenu(UINT id) const { return FindIn(m_menus, id); }
const ToolbarTemplate* ResourceTable::FindToolbar(UINT id) const { return FindIn(m_toolbars, id); }
const ImageResource* ResourceTable::FindImage(ImageResource::Kind kind, UINT id) const {
    return FindIn(m_images, std::make_pair(static_cast<int>(kind), id));
}

std::vector<UINT> ResourceTable::DialogIds() const {
    std::vector<UINT> ids;
    ids.reserve(m_dialogs.size());
    for (const auto& [id, dialog] : m_dialogs) ids.push_back(id);
    return ids;
}

bool ResourceTable::IsEmpty() const {
    return m_strings.empty() && m_dialogs.empty() && m_menus.empty() && m_toolbars.empty() && m_images.empty();
}

void ResourceTable::Clear() {
    m_strings.clear();
    m_dialogs.clear();
    m_menus.clear();
    m_toolbars.clear();
    m_images.clear();
}

}  // namespace tamo::platform
