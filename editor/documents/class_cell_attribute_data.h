#pragma once

// The attributes of one HWPML table cell, written into its CELL element in this order. The documents change
// only ColAddr, RowAddr, Width and Height between cells; cells never span rows or columns.

#include <string>

class class_cell_attribute_data {
public:
    class_cell_attribute_data() = default;
    class_cell_attribute_data(const class_cell_attribute_data&) = default;
    class_cell_attribute_data& operator=(const class_cell_attribute_data&) = default;
    virtual ~class_cell_attribute_data() = default;

    int BorderFill = 1;
    int ColAddr = 0;
    int ColSpan = 1;
    std::string Dirty = "false";
    std::string Editable = "false";
    std::string HasMargin = "false";
    std::string Header = "false";
    int Height = 0;
    std::string Protect = "false";
    int RowAddr = 0;
    int RowSpan = 1;
    int Width = 0;
};
