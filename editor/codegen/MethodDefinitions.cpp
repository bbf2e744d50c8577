#include "MethodDefinitions.h"

#include "CMysqlQuery.h"
#include "ConnectionMethodClasses.h"
#include "DomainPaths.h"
#include "SessionRows.h"

namespace tamo::codegen {
namespace {

const std::string kStars140 = Repeat('*', 140);

std::string CallClassesText(const MethodValues& m) {
    const bool in = m.HasInput();
    const bool out = m.HasOutput();
    const std::string it = m.InputType();
    const std::string ot = m.OutputType();
    const std::string inDecl = in ? it + "* p_in," : "";
    const std::string outDecl = out ? ot + "* p_out, " : "";
    const std::string inSizeLine = in ? "                    ::Tamo::pksize_t inSize = tamo_sizeof(p_in);\n" : "";
    const std::string outSizeLine = out ? "                    ::Tamo::pksize_t outSize = sizeof(" + ot + ");\n" : "";
    const std::string inArgs = in ? "p_in,inSize," : "0,0,";
    const std::string outArgs = out ? "p_out,&outSize," : "0,0,";
    const std::string outSizeof = out ? "sizeof(" + ot + ")" : "0";
    const std::string inCast = in ? ",(" + it + "*)pin_buf" : "";
    const std::string outCast = out ? ",(" + ot + "*)pout_buf" : "";
    const std::string outBufSizeLine =
        out ? "                         *pout_buf_size = tamo_sizeof((" + ot + "*)pout_buf);\n" : "";
    const std::string inParam = in ? "," + it + "* p_in" : "";
    const std::string outParam = out ? "," + ot + "* p_out" : "";

    std::string t;
    Append(t, {"        /* proxy */\n        class proxy_method_", m.name});
    Append(t, {" : public ::Tamo::tamo_proxy_object_call\n        {\n        public:\n             proxy_method_", m.name});
    Append(t, {"()    : tamo_proxy_object_call(", m.code});
    Append(t, {") {}\n\n             ::Tamo::tamo_err_t ", m.name});
    Append(t, {"(", inDecl, outDecl});
    Append(t, {" const double& in_limit_time = 1.0 ,double* pout_time= 0)\n             {\n", inSizeLine, outSizeLine});
    Append(t, {"                    return_object_t return_object = async_call(", inArgs});
    Append(t, {" in_limit_time);\n                    return async_return( return_object ,", outArgs});
    Append(t, {" pout_time );\n              }\n\n              void ", m.name});
    Append(t, {"_cancel(const tamo_err_t& in_error)\n              {\n                     cancel(in_error);\n              }\n        };\n\n        /* stub */\n        class method_", m.name});
    Append(t, {" : public ::Tamo::tamo_object_call\n        {\n        public:\n            method_", m.name});
    Append(t, {"() :  tamo_object_call(", m.code});
    Append(t, {",", outSizeof});
    Append(t, {") {}\n\n        protected:\n\n            virtual ::Tamo::tamo_err_t on_call ( const client_addr_t&  in_client_addr,\n                                                         void* const   pin_buf,\n                                                      const pksize_t&  in_buf_size,\n                                                                void*  pout_buf,\n                                                            pksize_t*  pout_buf_size,\n                                                        const double&  in_elapsed_time,\n                                                        const double&  in_limit_time )\n            {\n                  ::Tamo::tamo_err_t r = on_", m.name});
    Append(t, {"(in_client_addr", inCast, outCast});
    Append(t, {",in_elapsed_time,in_limit_time);\n                  if( ! r )\n                  {\n", outBufSizeLine});
    Append(t, {"                   }\n                   return r;\n             }\n\n             virtual void on_call_cancel( const client_addr_t& in_client_addr, const tamo_err_t& in_error)\n             {\n                   on_", m.name});
    Append(t, {"_cancel(in_client_addr,in_error);\n             }\n\n             virtual ::Tamo::tamo_err_t on_", m.name});
    Append(t, {"(const ::Tamo::client_addr_t& client_addr", inParam, outParam});
    Append(t, {",const double& in_elapsed_time,const double& in_limit_time) = 0; //{ return ::Tamo::c_tamo_err_not_implement; }\n\n             virtual void on_", m.name});
    Append(t, {"_cancel(const ::Tamo::client_addr_t& in_client_addr, const ::Tamo::tamo_err_t& in_error) = 0; //{}\n        };\n"});
    return t;
}

std::string SignalClassesText(const MethodValues& m) {
    const bool in = m.HasInput();
    const std::string it = m.InputType();
    const std::string inDecl = in ? it + "* p_in, " : "";
    const std::string inSizeLine = in ? "                    ::Tamo::pksize_t inSize = tamo_sizeof(p_in);\n" : "";
    const std::string inArgs = in ? "p_in, inSize" : "0,0";
    const std::string inCast = in ? ", (" + it + "*)pin_buf" : "";
    const std::string inParam = in ? "," + it + "* p_in" : "";

    std::string t;
    Append(t, {"        /* proxy */\n        class proxy_method_", m.name});
    Append(t, {" : public ::Tamo::tamo_proxy_object_signal\n        {\n        public:\n            proxy_method_", m.name});
    Append(t, {"() : tamo_proxy_object_signal(", m.code});
    Append(t, {") {}\n\n           ::Tamo::tamo_err_t ", m.name});
    Append(t, {"(", inDecl});
    Append(t, {" const double& in_limit_time = 1.0 ,double* pout_time= 0)\n           {\n", inSizeLine});
    Append(t, {"                  return signal(", inArgs});
    Append(t, {",in_limit_time,pout_time);\n           }\n          void ", m.name});
    Append(t, {"_cancel(const tamo_err_t& in_error)\n          {\n               cancel(in_error);\n          }\n        };\n\n        /* stub */\n        class method_", m.name});
    Append(t, {" : public ::Tamo::tamo_object_signal\n        {\n        public:\n            method_", m.name});
    Append(t, {"() : tamo_object_signal(", m.code});
    Append(t, {")\n            {\n            }\n\n        protected:\n\n            virtual void on_signal  (   const ::Tamo::client_addr_t&   in_client_addr,\n                                                         void* const   pin_buf,\n                                             const ::Tamo::pksize_t&   in_buf_size,\n                                                       const double&   in_elapsed_time )\n            {\n                   on_", m.name});
    Append(t, {"(in_client_addr", inCast});
    Append(t, {",in_elapsed_time);\n            }\n\n            virtual void on_signal_cancel( const ::Tamo::client_addr_t& in_client_addr, const ::Tamo::tamo_err_t& in_error)\n            {\n                   on_", m.name});
    Append(t, {"_cancel(in_client_addr,in_error);\n            }\n\n            virtual void on_", m.name});
    Append(t, {"(const ::Tamo::client_addr_t& client", inParam});
    Append(t, {",const double& in_elapsed_time) = 0; //{}\n\n            virtual void on_", m.name});
    Append(t, {"_cancel(const ::Tamo::client_addr_t& in_client_addr, const ::Tamo::tamo_err_t& in_error) = 0; //{}\n        };\n"});
    return t;
}

std::string BroadcastClassesText(const MethodValues& m) {
    const bool in = m.HasInput();
    const std::string it = m.InputType();
    const std::string inDecl = in ? "," + it + "* const pin_buf, const double& in_elapsed_time" : "";
    const std::string inCast = in ? ",(" + it + "*)pin_buf,in_elapsed_time" : "";
    const std::string inParam = in ? it + "* pin_buf" : "";
    const std::string inSizeLine = in ? "                      ::Tamo::pksize_t in_size = tamo_sizeof(pin_buf);\n" : "";
    const std::string inArgs = in ? "pin_buf,in_size" : "0,0";

    std::string t;
    Append(t, {"        /* proxy */\n        class proxy_method_", m.name});
    Append(t, {" : public ::Tamo::tamo_proxy_object_broadcast\n        {\n        public:\n               proxy_method_", m.name});
    Append(t, {"() : tamo_proxy_object_broadcast(", m.code});
    Append(t, {")\n               {\n               }\n\n               virtual void on_", m.name});
    Append(t, {"_broadcast( const ::Tamo::server_addr_t& in_server_addr", inDecl});
    Append(t, {") = 0; //{}\n\n               virtual void on_broadcast( const struct_server_addr& in_server_addr, void* const pin_buf, const pksize_t& in_size, const double&  in_elapsed_time)\n               {\n                      on_", m.name});
    Append(t, {"_broadcast(in_server_addr", inCast});
    Append(t, {");\n               }\n        };\n\n        /* stub */\n        class method_", m.name});
    Append(t, {" : public ::Tamo::tamo_object_broadcast\n        {\n        public:\n               method_", m.name});
    Append(t, {"() : tamo_object_broadcast(", m.code});
    Append(t, {")\n               {\n               }\n\n               tamo_err_t ", m.name});
    Append(t, {"_broadcast(", inParam});
    Append(t, {")\n               {\n", inSizeLine});
    Append(t, {"                      return broadcast(", inArgs});
    Append(t, {");\n               }\n        };\n"});
    return t;
}

// A data name stored as "NULL" stands for no data.
std::string DataName(const std::string& column) { return column == "NULL" ? std::string() : column; }

// Method descriptions keep their lines; each continued line begins with one blank.
std::string MethodDescription(const std::string& column) {
    return KeepInsideBlockComment(ReplaceText(column, "\r\n", "\n "));
}

std::string Qualifier(const std::string& idColumn, const std::string& nameColumn, const DataQualifierFn& qualifierOf) {
    if (idColumn.empty()) return nameColumn;
    return qualifierOf(ReadDecimal(idColumn));
}

}  // namespace

MethodValues MethodValuesFromRow(const CodegenRow& row, const DataQualifierFn& qualifierOf) {
    MethodValues m;
    m.type = Column(row, 0);
    m.code = FormatMethodCode(ReadDecimal(Column(row, 1)));
    m.name = Column(row, 2);
    m.in = DataName(Column(row, 4));
    m.out = DataName(Column(row, 6));
    m.writer = KeepInsideBlockComment(Column(row, 7));
    m.desc = MethodDescription(Column(row, 8));
    m.iq = Qualifier(Column(row, 3), Column(row, 10), qualifierOf);
    m.oq = Qualifier(Column(row, 5), Column(row, 11), qualifierOf);
    return m;
}

std::string MethodClassesText(const MethodValues& method) {
    if (method.type == "CALL") return CallClassesText(method);
    if (method.type == "SIGNAL") return SignalClassesText(method);
    if (method.type == "EVENT") return EventClassesText(method);
    if (method.type == "INFORMATION") return InformationClassesText(method);
    if (method.type == "COMMAND") return CommandClassesText(method);
    if (method.type == "BROADCAST") return BroadcastClassesText(method);
    return {};
}

void AppendMethodDefinition(std::string& text, const MethodValues& m) {
    Append(text, {"\n", "        /", kStars140, "\n"});
    Append(text, {"         Method     : ", m.name, "\n"});
    Append(text, {"         Input      : ", m.iq, "::", m.in, "\n"});
    Append(text, {"         Output     : ", m.oq, "::", m.out, "\n"});
    Append(text, {"         Method Type: ", m.type, "\n"});
    Append(text, {"         Code       : ", m.code, "\n"});
    Append(text, {"         Writer     : ", m.writer, "\n"});
    Append(text, {"         Description: ", m.desc, "\n"});
    Append(text, {"        ", kStars140, "/\n"});
    text += MethodClassesText(m);
}

}  // namespace tamo::codegen

void WriteMethodClasses(CMysqlQuery& session, const class_domain_info& domain, std::string& text) {
    using namespace tamo::codegen;
    std::vector<CodegenRow> rows;
    if (QueryRows(session, session.FormatCall("call methodViewMethodList(%d,'method','ALL','','%%')", domain.id),
                  rows) != 0) {
        session.ShowLastError();
        return;
    }
    const DataQualifierFn qualifierOf = RememberedDataQualifiers(session);
    for (const CodegenRow& row : rows) AppendMethodDefinition(text, MethodValuesFromRow(row, qualifierOf));
}
