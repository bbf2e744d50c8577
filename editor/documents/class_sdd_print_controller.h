#pragma once

// The system tree's "SDD 문서 출력": the software design description of one component. The command creates a
// controller, calls print_sdd_document once and deletes it.

#include <string>

#include "SessionRecords.h"

class class_sdd_print_controller {
public:
    class_sdd_print_controller() = default;
    virtual ~class_sdd_print_controller() = default;
    class_sdd_print_controller(const class_sdd_print_controller&) = delete;
    class_sdd_print_controller& operator=(const class_sdd_print_controller&) = delete;

    // Asks for the kind (dialog 426) and the file (".hml" is appended when the path holds none), reads the
    // component's interfaces and writes the document. 0 when written; -1 when a dialog was cancelled (nothing
    // read) or the document could not be created or saved (shown). The component is read by its id when this
    // runs: one that is gone is refused (-1, shown), and the document names it as it is then, not as
    // `componentName` (the tree's) had it.
    int print_sdd_document(const class_component_info& component, const std::string& componentName);
};
