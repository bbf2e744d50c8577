#include "InterfaceDefinitions.h"

#include "CMysqlQuery.h"
#include "SessionRows.h"

using namespace tamo::codegen;

namespace {

const std::string kIndent8(8, ' ');

// "tamosdk" stands for the SDK's own domain, whose classes are named without a qualifier.
std::string BaseQualifier(const std::string& qualifier) { return qualifier == "tamosdk" ? std::string() : qualifier; }

void AppendBase(std::string& list, const std::string& qualifier, const char* classPrefix, const std::string& name) {
    Append(list, {kIndent8, ", virtual public ", BaseQualifier(qualifier), classPrefix, name, "\n"});
}

}  // namespace

namespace tamo::codegen {

bool MethodTypeHasClasses(const std::string& type) {
    return type == "CALL" || type == "SIGNAL" || type == "EVENT" || type == "INFORMATION" || type == "COMMAND" ||
           type == "BROADCAST";
}

void AppendInterfaceClasses(std::string& text, const CodegenRow& interfaceRow, const std::vector<CodegenRow>& parents,
                            const std::vector<CodegenRow>& members) {
    const std::string& name = Column(interfaceRow, 0);
    const std::string description =
        KeepInsideBlockComment(ReplaceText(Column(interfaceRow, 2), "\n", "\n    //    "));
    std::string stubBases;
    std::string proxyBases;
    for (const CodegenRow& parent : parents) {
        AppendBase(stubBases, Column(parent, 0), "::stub_interface_", Column(parent, 1));
        AppendBase(proxyBases, Column(parent, 0), "::proxy_interface_", Column(parent, 1));
    }
    for (const CodegenRow& member : members) {
        // A method without classes (CALLBACK, SIGNALBACK, an unknown type) cannot be a base.
        if (!MethodTypeHasClasses(Column(member, 2))) continue;
        AppendBase(stubBases, Column(member, 0), "::method_", Column(member, 1));
        AppendBase(proxyBases, Column(member, 0), "::proxy_method_", Column(member, 1));
    }
    Append(text, {"\n", kIndent8, "/", Repeat('*', 140), "\n"});
    Append(text, {"         Interface Name : ", name, "\n"});
    Append(text, {"         Writer : ", KeepInsideBlockComment(Column(interfaceRow, 1)), "\n"});
    Append(text, {"         Description : ", description, "\n"});
    Append(text, {kIndent8, Repeat('*', 140), "/\n"});
    Append(text, {"        /* proxy */\n"});
    Append(text, {"        class proxy_interface_", name, " : virtual public ::Tamo::tamo_proxy_object\n"});
    Append(text, {proxyBases, "        {\n", "        };\n", "\n"});
    Append(text, {"        /* stub */\n"});
    Append(text, {"        class stub_interface_", name, " : virtual public ::Tamo::tamo_object\n"});
    Append(text, {stubBases, "        {\n", "        };\n", "\n"});
}

}  // namespace tamo::codegen

void WriteInterfaceClasses(CMysqlQuery& session, std::string& text, const class_domain_info& domain) {
    std::vector<CodegenRow> interfaces;
    if (QueryRows(session, session.FormatCall("call interfaceViewInterfaceList(%d,'method','%%')", domain.id),
                  interfaces) != 0) {
        session.ShowLastError();
        return;
    }
    for (const CodegenRow& interfaceRow : interfaces) {
        const int interfaceId = ReadDecimal(Column(interfaceRow, 3));
        const std::string& name = Column(interfaceRow, 0);
        std::vector<CodegenRow> parents;
        std::vector<CodegenRow> members;
        if (QueryRows(session, session.FormatCall("call interfaceViewParentInterfaceList(%d,'method','%s')",
                                          interfaceId, name),
                      parents) != 0 ||
            QueryRows(session, session.FormatCall("call interfaceViewMemberMethodList(%d,'method','%s')",
                                          interfaceId, name),
                      members) != 0) {
            session.ShowLastError();
            return;
        }
        AppendInterfaceClasses(text, interfaceRow, parents, members);
    }
}
