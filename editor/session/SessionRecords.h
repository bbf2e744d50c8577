#pragma once

// Every record type that the session's loaders fill.

#include "account_row.h"
#include "class_component_info.h"
#include "class_custum_table.h"
#include "class_datafield_info.h"
#include "class_domain_info.h"
#include "class_interface_info.h"
#include "class_interface_object_info.h"
#include "class_member_domain.h"
#include "class_membermethod_info.h"
#include "class_metadata_info.h"
#include "class_method_info.h"
#include "class_network_info.h"
#include "class_network_link_info.h"
#include "class_node_info.h"
#include "class_node_port_info.h"
#include "class_proxy_interface_relation_info.h"
#include "class_stub_interface_relation_info.h"
#include "class_system_domain_port_info.h"
#include "class_xmlmembermethod_info.h"
