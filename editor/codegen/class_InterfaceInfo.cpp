#include "class_InterfaceInfo.h"

void class_InterfaceInfo::Clear() {
    for (std::string* text : {&domain_path, &spare1, &spare2, &spare3, &method_name, &method_type, &code,
                              &in_domain_id, &in_domain_name, &in_data_name, &out_domain_id, &out_domain_name,
                              &out_data_name, &user_id, &description}) {
        text->clear();
    }
}
