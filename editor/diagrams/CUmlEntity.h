#pragma once

#include "CWnd.h"

// Element kinds: stored in every element, compared by the view, the builders and the lines (which also use
// them as end kind markers).
enum : int {
    UML_COMPONENT = 1234,
    UML_PROXY_INTERFACE = 1237,
    UML_STUB_INTERFACE = 1238,
    UML_LINE = 1242,
    UML_CIRCLE_STUB_INTERFACE = 1243,
    UML_NODE = 1244,
    UML_SWITCH = 1245,
    UML_ROUTER = 1246,
    UML_INSIDE_PC = 1247,
    UML_NODES_LINE = 1248,
    UML_SUB_SYSTEM_LINE = 1249,
    UML_PORT = 1251,
    UML_OUT_LINE = 1252,
};

// The base of every diagram element: a child window of the diagram view that paints itself, with a position,
// a size, an element kind and the record it shows. The document's factories create the elements and set the
// kind, the builders set the rest and create the window; the document deletes them (DeleteEntity), never the
// window itself.
class CUmlEntity : public CWnd {
public:
    CUmlEntity() = default;
    ~CUmlEntity() override = default;

    // The accessors are the same for every element.
    virtual void SetItemInfo(void* item) final { m_pItemInfo = item; }
    virtual void SetPosition(int x, int y) final { m_left = x, m_top = y; }
    virtual void SetSize(int cx, int cy) final { m_width = cx, m_height = cy; }
    virtual CSize GetSize() const final { return CSize(m_width, m_height); }
    virtual CRect GetRect() const final { return CRect(m_left, m_top, m_left + m_width, m_top + m_height); }
    virtual void SetEntityKind(int kind) final { m_nEntityKind = kind; }
    virtual int GetEntityKind() const final { return m_nEntityKind; }
    virtual CPoint GetPosition() const final { return CPoint(m_left, m_top); }

    // Computes the element's geometry and creates its window as a child of the diagram view.
    virtual BOOL CreateEntityWindow(CWnd* parent) = 0;
    // Every element does nothing in these three; the main frame's refresh command calls RefreshEntity on
    // every element, nothing calls the other two.
    virtual void UpdateEntity() = 0;
    virtual void RefreshEntity() = 0;
    virtual void SetEntityOption(int option) = 0;
    // Destroys the element through its virtual destructor (the caller has destroyed its window and tests for
    // null: on a null element nothing is to be done).
    virtual void DeleteEntity() = 0;

    void* GetItemInfo() const { return m_pItemInfo; }

protected:
    int m_left = 0;    // for a line, the centre of its first end
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    void* m_pItemInfo = nullptr;  // a TreeNodeData or a record; belongs to the tree pane or the builder
    int m_nEntityKind = 0;
};
