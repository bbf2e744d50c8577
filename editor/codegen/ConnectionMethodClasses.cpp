#include "ConnectionMethodClasses.h"

#include "CodeText.h"
#include "MethodValues.h"

namespace tamo::codegen {

std::string EventClassesText(const MethodValues& m) {
    const bool out = m.HasOutput();
    const std::string ot = m.OutputType();
    const std::string outCast = out ? "(" + ot + "*)pin_event_data," : "";
    const std::string outDecl = out ? ot + "* p_out," : "";
    const std::string outParam = out ? ot + "* pout_buf" : "";
    const std::string outSizeLine = out ? "                    ::Tamo::pksize_t outSize = tamo_sizeof(pout_buf);\n" : "";
    const std::string outArgs = out ? "pout_buf,outSize" : "0,0";

    std::string t;
    Append(t, {"        /* proxy */\n        class proxy_method_", m.name});
    Append(t, {" : public ::Tamo::tamo_proxy_object_event\n        {\n        public:\n               proxy_method_", m.name});
    Append(t, {"() : tamo_proxy_object_event(", m.code});
    Append(t, {") {}\n\n               bool ", m.name});
    Append(t, {"_is_connected() { return is_connected(); }\n\n               ::Tamo::tamo_err_t ", m.name});
    Append(t, {"_connect( const double& in_limit_time = 1.0, double* pout_time= 0 )\n               {\n                      return_object_t return_object = async_connect( in_limit_time );\n                      return async_connect_return( return_object, pout_time );\n               }\n\n               void ", m.name});
    Append(t, {"_shutdown() { shutdown(); }\n\n               virtual void on_event( void const * const pin_event_data, const pksize_t& in_event_size, const double&  in_elapsed_time)\n               {\n                      on_", m.name});
    Append(t, {"(", outCast});
    Append(t, {" in_elapsed_time);\n               }\n\n        private:\n               virtual void on_disconnected() { on_", m.name});
    Append(t, {"_disconnected(); }\n\n               virtual void on_", m.name});
    Append(t, {"(", outDecl});
    Append(t, {" const double& in_elapsed_time) = 0; //{}\n\n               virtual void on_", m.name});
    Append(t, {"_disconnected() = 0; //{}\n        };\n\n        /* stub */\n        class method_", m.name});
    Append(t, {" : public ::Tamo::tamo_object_event\n        {\n        public:\n               method_", m.name});
    Append(t, {"() : tamo_object_event(", m.code});
    Append(t, {") {}\n\n               void ", m.name});
    Append(t, {"_disconnect(const ::Tamo::client_addr_t client_addr ) { disconnect(client_addr); }\n\n               void ", m.name});
    Append(t, {"_disconnect_all_client_object()\n               {\n\t\t\t           disconnect_all_client_object();\n               }\n \n               void ", m.name});
    Append(t, {"_disconnect_one_client_node( const struct_node_addr& in_node_addr)\n               {\n                      disconnect_one_client_node( in_node_addr);\n               }\n\n               void ", m.name});
    Append(t, {"_disconnect_one_client_object( const client_addr_t& in_client_addr)\n               {\n                      disconnect_one_client_object( in_client_addr);\n               }\n\n               tamo_err_t ", m.name});
    Append(t, {"(", outParam});
    Append(t, {")\n               {\n", outSizeLine});
    Append(t, {"                      return event(", outArgs});
    Append(t, {");\n               }\n\n               virtual ::Tamo::tamo_err_t on_connect(  const client_addr_t&   in_client_addr,\n                                                              const double&   in_elapsed_time,\n                                                              const double&   in_limit_time )\n               {\n                      return on_", m.name});
    Append(t, {"_connect(in_client_addr,in_elapsed_time,in_limit_time);\n               }\n\n               virtual void on_shutdown( const ::Tamo::client_addr_t& client_addr) { on_", m.name});
    Append(t, {"_shutdown( client_addr); }\n\n               virtual tamo_err_t on_", m.name});
    Append(t, {"_connect( const client_addr_t& in_client_addr,\n                                                                const double& in_elapsed_time,\n                                                                const double& in_limit_time ) = 0; //{ return ::Tamo::c_tamo_err_not_implement; }\n\n               virtual void on_", m.name});
    Append(t, {"_shutdown(const ::Tamo::client_addr_t& client_addr) = 0; //{}\n        };\n"});
    return t;
}

std::string InformationClassesText(const MethodValues& m) {
    const bool out = m.HasOutput();
    const std::string ot = m.OutputType();
    const std::string readProxy =
        out ? "               tamo_err_t " + m.name + "_read( " + ot +
                  "* pin_data)\n               {\n                      Tamo::pksize_t in_size = sizeof(" + ot +
                  ");\n                      return read(pin_data, &in_size );\n               }\n"
            : "";
    const std::string syncCast = out ? ", (" + ot + " const* const)pin_buffer" : "";
    const std::string syncParam = out ? ",\n                              " + ot + " const* const pin_buffer" : "";
    const std::string getType = out ? ot + "*" : "void";
    const std::string getReturn = out ? "                      return (" + ot + "*)" : "";
    const std::string getSize = out ? "sizeof(" + ot + ") " : "0";
    const std::string postParam = out ? ot + "* pin_buf" : "";
    const std::string postSizeLine = out ? "                       ::Tamo::pksize_t in_size = tamo_sizeof(pin_buf);\n" : "";
    const std::string postSize = out ? "in_size" : "0";
    const std::string write =
        out ? "                tamo_err_t " + m.name + "_write(" + ot + "* pin_buf" + ")\n                {\n" +
                  "                       ::Tamo::pksize_t in_size = tamo_sizeof(pin_buf);\n" +
                  "                       return write( " + "pin_buf, in_size" + ");\n                }\n"
            : "";
    const std::string readStub =
        out ? "                tamo_err_t " + m.name + "_read( " + ot +
                  "* pin_data)\n                {\n                       Tamo::pksize_t in_size = sizeof(" + ot +
                  ");\n                       return read(pin_data, &in_size );\n                }\n"
            : "";

    std::string t;
    Append(t, {"        /* proxy */\n        class proxy_method_", m.name});
    Append(t, {" : public ::Tamo::tamo_proxy_object_information\n        {\n        public:\n\n               proxy_method_", m.name});
    Append(t, {"() : tamo_proxy_object_information(", m.code});
    Append(t, {") {}\n\n               bool ", m.name});
    Append(t, {"_is_connected() { return is_connected(); }\n\n               ::Tamo::tamo_err_t ", m.name});
    Append(t, {"_connect( const bool& in_udp_request = true, const double& in_limit_time = 1.0, double* pout_time = 0)\n               {\n                      return_object_t return_object = async_connect( in_udp_request , in_limit_time );\n                      return async_connect_return( return_object, pout_time );\n               }\n\n               void ", m.name});
    Append(t, {"_shutdown() { shutdown(); }\n\n               void ", m.name});
    Append(t, {"_set_sync(const bool& in_use_on_sync) { set_sync(in_use_on_sync); }\n\n               letter_case_t ", m.name});
    Append(t, {"_see_history( const size_t& in_size)\n               {\n                      return see_history( in_size);\n               }\n\n               void ", m.name});
    Append(t, {"_set_history_size( const size_t& in_history_size)\n               {\n                      set_history_size( in_history_size);\n               }\n\n", readProxy});
    Append(t, {"\n        private:\n\n               virtual void on_disconnected()\n               {\n                      on_", m.name});
    Append(t, {"_disconnected();\n               }\n\n               virtual void on_sync( const sender_sync_model_t& in_sync_model,\n                                                  const double& in_elapsed,\n                                                  const double& in_limit,\n                                              void const* const pin_buffer,\n                                                 const pksize_t in_size)\n               {\n                      on_", m.name});
    Append(t, {"_sync(in_sync_model, in_limit, in_elapsed ", syncCast});
    Append(t, {" );\n               }\n\n               virtual void on_", m.name});
    Append(t, {"_disconnected() = 0; //{}\n\n               virtual void on_", m.name});
    Append(t, {"_sync( const sender_sync_model_t& in_sync_model,\n                                                             const double& in_limit,\n                                                             const double& in_elapsed", syncParam});
    Append(t, {" ) = 0; //{}\n        };\n\n        /* stub */\n        class method_", m.name});
    Append(t, {" : public ::Tamo::tamo_object_information\n        {\n\n        public:\n\n               method_", m.name});
    Append(t, {"(int interval= 0) : tamo_object_information(", m.code});
    Append(t, {") {}\n\n               void ", m.name});
    Append(t, {"_set_sync_model( const sender_sync_model_t& in_sync_model, const double& in_interval)\n               {\n                      set_sync_model(in_sync_model,in_interval);\n               }\n\n               void ", m.name});
    Append(t, {"_disconnect( const client_addr_t& in_client_addr )\n               {\n                      disconnect( in_client_addr );\n               }\n\n               void ", m.name});
    Append(t, {"_disconnect_all_client_object()\n               {\n                      disconnect_all_client_object();\n               }\n               void ", m.name});
    Append(t, {"_disconnect_one_client_node( const struct_node_addr& in_node_addr)\n               {\n                      disconnect_one_client_node( in_node_addr);\n               }\n               void ", m.name});
    Append(t, {"_disconnect_one_client_object( const client_addr_t& in_client_addr)\n               {\n                      disconnect_one_client_object( in_client_addr);\n               }\n               ", getType});
    Append(t, {" ", m.name});
    Append(t, {"_get()\n               {\n", getReturn});
    Append(t, {" get(", getSize});
    Append(t, {");\n                }\n\n                void ", m.name});
    Append(t, {"_cancel()\n                {\n                       cancel();\n                }\n\n                tamo_err_t ", m.name});
    Append(t, {"_post(", postParam});
    Append(t, {")\n                {\n", postSizeLine});
    Append(t, {"                       return post( ", postSize});
    Append(t, {");\n                }\n\n", write});
    Append(t, {"\n                letter_case_t ", m.name});
    Append(t, {"_see_history( const size_t& in_size)\n                {\n                       return see_history( in_size);\n                }\n\n                void ", m.name});
    Append(t, {"_set_history_size( const size_t& in_history_size)\n                {\n                       set_history_size( in_history_size);\n                }\n\n", readStub});
    Append(t, {"\n        private:\n\n                virtual tamo_err_t on_connect( const client_addr_t& in_client_addr,\n                                                        const bool& in_tcp_request,\n                                                     const double& in_elapsed_time,\n                                                     const double& in_limit_time )\n                {\n                       return on_", m.name});
    Append(t, {"_connect( in_client_addr,in_tcp_request,in_elapsed_time,in_limit_time );\n                }\n\n                virtual void on_shutdown( const client_addr_t& in_client_addr)\n                {\n                       on_", m.name});
    Append(t, {"_shutdown(in_client_addr);\n                }\n\n                virtual tamo_err_t on_", m.name});
    Append(t, {"_connect( const client_addr_t& in_client_addr,\n                                                                   const bool& in_tcp_request,\n                                                                const double& in_elapsed_time,\n                                                                  const double& in_limit_time ) = 0; //{ return ::Tamo::c_tamo_err_not_implement; }\n\n                virtual void on_", m.name});
    Append(t, {"_shutdown( const client_addr_t& in_client_addr) = 0; //{}\n\n        };\n"});
    return t;
}

std::string CommandClassesText(const MethodValues& m) {
    const bool in = m.HasInput();
    const std::string it = m.InputType();
    const std::string getType = in ? it + "*" : "void";
    const std::string getBody = in ? "return (" + it + "*)get(sizeof(" + it + "));\n" : "get(0);\n";
    const std::string postParam = in ? it + "* pin_buf" : "";
    const std::string postSizeLine = in ? "                      ::Tamo::pksize_t in_size = tamo_sizeof(pin_buf);\n" : "";
    const std::string postSize = in ? "in_size" : "0";
    const std::string write =
        in ? "               tamo_err_t " + m.name + "_write( " + it + " const* const& pin_buf)\n               {\n" +
                 "                      ::Tamo::pksize_t in_size = tamo_sizeof(pin_buf);\n" +
                 "                       return write( " + "pin_buf, in_size" + ");\n               }\n"
           : "";
    const std::string readProxy =
        in ? "tamo_err_t " + m.name + "_read( " + it +
                 "* pin_data)\n               {\n                      Tamo::pksize_t in_size = sizeof(" + it +
                 ");\n                      return read(pin_data, &in_size );\n               }\n"
           : "";
    const std::string readStub =
        in ? "tamo_err_t " + m.name + "_read(const client_addr_t& in_client, " + it +
                 "* pin_data)\n               {\n                      Tamo::pksize_t in_size = sizeof(" + it +
                 ");\n                      return read(in_client, pin_data, &in_size );\n               }\n"
           : "";
    const std::string syncCast = in ? ",(" + it + " const* const)pin_buffer" : "";
    const std::string syncParam = in ? ",\n" + it + " const* const pin_buffer" : "";

    std::string t;
    Append(t, {"        /* proxy */\n        class proxy_method_", m.name});
    Append(t, {" : public ::Tamo::tamo_proxy_object_command\n        {\n        public:\n               proxy_method_", m.name});
    Append(t, {"() :  tamo_proxy_object_command(", m.code});
    Append(t, {") {}\n\n               bool ", m.name});
    Append(t, {"_is_connected() { return is_connected(); }\n\n               ::Tamo::tamo_err_t ", m.name});
    Append(t, {"_connect( const double& in_limit_time = 1.0 , double* pout_time = 0)\n               {\n                      return_object_t return_object = async_connect( in_limit_time );\n                      return async_connect_return( return_object, pout_time );\n               }\n\n               void ", m.name});
    Append(t, {"_shutdown() { shutdown(); }\n\n               void ", m.name});
    Append(t, {"_set_sync_model ( const bool& in_using_udp,\n                                 const sender_sync_model_t& in_sync_model,\n                                              const double& in_interval)\n               {\n                      set_sync_model ( in_using_udp, in_sync_model,in_interval);\n               }\n\n               ", getType});
    Append(t, {" ", m.name});
    Append(t, {"_get()\n               {\n                      ", getBody});
    Append(t, {"               }\n\n               void ", m.name});
    Append(t, {"_cancel()\n               {\n                      cancel();\n               }\n\n               tamo_err_t ", m.name});
    Append(t, {"_post(", postParam});
    Append(t, {"  )\n               {\n", postSizeLine});
    Append(t, {"                        return post( ", postSize});
    Append(t, {");\n               }\n\n", write});
    Append(t, {"\n               letter_case_t ", m.name});
    Append(t, {"_see_history( const size_t& in_size)\n               {\n                      return see_history( in_size);\n               }\n\n               void ", m.name});
    Append(t, {"_set_history_size( const size_t& in_history_size)\n               {\n                      set_history_size( in_history_size);\n               }\n\n               ", readProxy});
    Append(t, {"\n        private:\n\n               virtual void on_disconnected()\n               {\n                      on_", m.name});
    Append(t, {"_disconnected();\n               }\n\n               virtual void on_", m.name});
    Append(t, {"_disconnected() = 0; //{}\n        };\n\n        /* stub */\n        class method_", m.name});
    Append(t, {" : public ::Tamo::tamo_object_command\n        {\n        public:\n               method_", m.name});
    Append(t, {"() : tamo_object_command(", m.code});
    Append(t, {") {}\n\n               void ", m.name});
    Append(t, {"_disconnect( const client_addr_t& in_client_addr )\n               {\n                      disconnect( in_client_addr );\n               }\n\n\n               void ", m.name});
    Append(t, {"_disconnect_all_client_object()\n               {\n                      disconnect_all_client_object();\n               }\n\n\t\t\t    void ", m.name});
    Append(t, {"_disconnect_one_client_node( const struct_node_addr& in_node_addr)\n               {\n                      disconnect_one_client_node( in_node_addr);\n               }\n\n\t\t\t    void ", m.name});
    Append(t, {"_disconnect_one_client_object( const client_addr_t& in_client_addr)\n               {\n                      disconnect_one_client_object( in_client_addr);\n               }\n\n               void ", m.name});
    Append(t, {"_set_sync(const bool& in_use_on_sync) { set_sync(in_use_on_sync); }\n\n               letter_case_t ", m.name});
    Append(t, {"_see_history( const client_addr_t& in_client_addr, const size_t& in_size)\n               {\n                      return see_history(in_client_addr, in_size);\n               }\n\n               void ", m.name});
    Append(t, {"_set_history_size( const size_t& in_history_size)\n               {\n                      set_history_size( in_history_size);\n               }\n\n               int ", m.name});
    Append(t, {"_get_client_count()\n               {\n                      return get_client_count();\n               }\n\n               ", readStub});
    Append(t, {"\n        private:\n\n               virtual void on_sync( const client_addr_t& in_client,\n                               const sender_sync_model_t& in_sync_model,\n                                            const double& in_elapsed,\n                                            const double& in_limit,\n                                        void const* const pin_buffer,\n                                           const pksize_t in_size)\n               {\n                      on_", m.name});
    Append(t, {"_sync(in_client, in_sync_model,in_limit, in_elapsed", syncCast});
    Append(t, {");\n               }\n\n               virtual tamo_err_t on_connect( const client_addr_t& in_client_addr,\n                                                     const double& in_elapsed_time,\n                                                     const double& in_limit_time )\n               {\n                      return on_", m.name});
    Append(t, {"_connect( in_client_addr,in_elapsed_time,in_limit_time );\n               }\n\n               virtual void on_shutdown( const client_addr_t& in_client_addr)\n               {\n                      on_", m.name});
    Append(t, {"_shutdown(in_client_addr);\n               }\n\n               virtual tamo_err_t on_", m.name});
    Append(t, {"_connect( const client_addr_t& in_client_addr,\n                                                                const double& in_elapsed_time,\n                                                                const double& in_limit_time ) = 0; //{ return ::Tamo::c_tamo_err_not_implement; }\n\n               virtual void on_", m.name});
    Append(t, {"_shutdown( const client_addr_t& in_client_addr) = 0; //{}\n\n               virtual void on_", m.name});
    Append(t, {"_sync( const client_addr_t& in_client,\n                                          const sender_sync_model_t& in_sync_model,\n                                                       const double& in_limit,\n                                                       const double& in_elapsed\n                                                       ", syncParam});
    Append(t, {" ) = 0; //{}\n        };\n"});
    return t;
}

}  // namespace tamo::codegen
