#pragma once

// A small stand-in for the Tamo SDK, written for the tests from the names that generated headers and sources
// use: the data types, the real and history templates, the error codes and addresses, and the object bases of
// each method type with the operations their classes call. Every operation does nothing; the point is that the
// generated code compiles against these declarations and that its classes can be instantiated.

#include <cstddef>
#include <cstdint>

namespace Tamo {

typedef std::int8_t int8_t;
typedef std::int16_t int16_t;
typedef std::int32_t int32_t;
typedef std::int64_t int64_t;
typedef std::uint8_t u_int8_t;
typedef std::uint16_t u_int16_t;
typedef std::uint32_t u_int32_t;
typedef std::uint64_t u_int64_t;
typedef char char_t;
typedef u_int16_t tamo_wchar_t;
typedef float ieee754_32_t;
typedef double ieee754_64_t;
typedef long double ieee754_80_t;
typedef u_int32_t ip_t;
typedef u_int16_t port_t;
typedef u_int16_t domain_t;
typedef u_int32_t pksize_t;
typedef u_int32_t second_t;
typedef u_int64_t psecond_t;
typedef u_int64_t packed_node_addr_t;
typedef u_int64_t packed_client_addr_t;
typedef u_int64_t packed_server_addr_t;
typedef u_int8_t enum8_t;
typedef u_int16_t enum16_t;
typedef u_int32_t enum32_t;
typedef u_int64_t enum64_t;

// A scaled integer standing for a real value between the results of MIN and MAX.
template <class TYPE, const double (*MIN)(), const double (*MAX)()>
struct real {
    TYPE raw;
    double value() const { return MIN() + (MAX() - MIN()) * 0; }
};

template <class TYPE>
struct template_history_elem {
    TYPE value;
};
template <class TYPE>
struct template_history {
    template_history_elem<TYPE> last;
};

struct variable_array_field_dctrl_t {
    pksize_t dindex;
    pksize_t dsize;
};

typedef int tamo_err_t;
const tamo_err_t c_tamo_err_none = 0;
const tamo_err_t c_tamo_err_not_implement = -1;

struct struct_node_addr {
    ip_t ip;
};
struct struct_server_addr {
    ip_t ip;
    port_t port;
};
struct struct_client_addr {
    ip_t ip;
    port_t port;
};
typedef struct_client_addr client_addr_t;
typedef struct_server_addr server_addr_t;
typedef int sender_sync_model_t;
typedef int letter_case_t;
typedef int return_object_t;

class tamo_object {
public:
    virtual ~tamo_object() {}
};

class tamo_proxy_object {
public:
    virtual ~tamo_proxy_object() {}
};

// Connection handling shared by the proxies of EVENT, INFORMATION and COMMAND.
class tamo_connecting_proxy {
public:
    bool is_connected() { return false; }
    return_object_t async_connect(const double&) { return 0; }
    return_object_t async_connect(const bool&, const double&) { return 0; }
    tamo_err_t async_connect_return(return_object_t, double*) { return c_tamo_err_none; }
    void shutdown() {}
    virtual void on_disconnected() = 0;
    virtual ~tamo_connecting_proxy() {}
};

// Client handling shared by the stubs of EVENT, INFORMATION and COMMAND.
class tamo_connected_stub {
public:
    void disconnect(const client_addr_t&) {}
    void disconnect_all_client_object() {}
    void disconnect_one_client_node(const struct_node_addr&) {}
    void disconnect_one_client_object(const client_addr_t&) {}
    virtual void on_shutdown(const client_addr_t&) = 0;
    virtual ~tamo_connected_stub() {}
};

class tamo_proxy_object_call : virtual public tamo_proxy_object {
public:
    explicit tamo_proxy_object_call(int) {}
    return_object_t async_call(void*, pksize_t, const double&) { return 0; }
    tamo_err_t async_return(return_object_t, void*, pksize_t*, double*) { return c_tamo_err_none; }
    void cancel(const tamo_err_t&) {}
};

class tamo_object_call : virtual public tamo_object {
public:
    tamo_object_call(int, pksize_t) {}

protected:
    virtual tamo_err_t on_call(const client_addr_t&, void* const, const pksize_t&, void*, pksize_t*, const double&,
                               const double&) = 0;
    virtual void on_call_cancel(const client_addr_t&, const tamo_err_t&) = 0;
};

class tamo_proxy_object_signal : virtual public tamo_proxy_object {
public:
    explicit tamo_proxy_object_signal(int) {}
    tamo_err_t signal(void*, pksize_t, const double&, double*) { return c_tamo_err_none; }
    void cancel(const tamo_err_t&) {}
};

class tamo_object_signal : virtual public tamo_object {
public:
    explicit tamo_object_signal(int) {}

protected:
    virtual void on_signal(const client_addr_t&, void* const, const pksize_t&, const double&) = 0;
    virtual void on_signal_cancel(const client_addr_t&, const tamo_err_t&) = 0;
};

class tamo_proxy_object_broadcast : virtual public tamo_proxy_object {
public:
    explicit tamo_proxy_object_broadcast(int) {}
    virtual void on_broadcast(const struct_server_addr&, void* const, const pksize_t&, const double&) = 0;
};

class tamo_object_broadcast : virtual public tamo_object {
public:
    explicit tamo_object_broadcast(int) {}
    tamo_err_t broadcast(void*, pksize_t) { return c_tamo_err_none; }
};

class tamo_proxy_object_event : virtual public tamo_proxy_object, public tamo_connecting_proxy {
public:
    explicit tamo_proxy_object_event(int) {}
    virtual void on_event(void const* const, const pksize_t&, const double&) = 0;
};

class tamo_object_event : virtual public tamo_object, public tamo_connected_stub {
public:
    explicit tamo_object_event(int) {}
    tamo_err_t event(void*, pksize_t) { return c_tamo_err_none; }
    virtual tamo_err_t on_connect(const client_addr_t&, const double&, const double&) = 0;
};

class tamo_proxy_object_information : virtual public tamo_proxy_object, public tamo_connecting_proxy {
public:
    explicit tamo_proxy_object_information(int) {}
    void set_sync(const bool&) {}
    letter_case_t see_history(const std::size_t&) { return 0; }
    void set_history_size(const std::size_t&) {}
    tamo_err_t read(void*, pksize_t*) { return c_tamo_err_none; }
    virtual void on_sync(const sender_sync_model_t&, const double&, const double&, void const* const,
                         const pksize_t) = 0;
};

class tamo_object_information : virtual public tamo_object, public tamo_connected_stub {
public:
    explicit tamo_object_information(int) {}
    void set_sync_model(const sender_sync_model_t&, const double&) {}
    void* get(pksize_t) { return nullptr; }
    void cancel() {}
    tamo_err_t post(pksize_t) { return c_tamo_err_none; }
    tamo_err_t write(const void*, pksize_t) { return c_tamo_err_none; }
    letter_case_t see_history(const std::size_t&) { return 0; }
    void set_history_size(const std::size_t&) {}
    tamo_err_t read(void*, pksize_t*) { return c_tamo_err_none; }
    virtual tamo_err_t on_connect(const client_addr_t&, const bool&, const double&, const double&) = 0;
};

class tamo_proxy_object_command : virtual public tamo_proxy_object, public tamo_connecting_proxy {
public:
    explicit tamo_proxy_object_command(int) {}
    void set_sync_model(const bool&, const sender_sync_model_t&, const double&) {}
    void* get(pksize_t) { return nullptr; }
    void cancel() {}
    tamo_err_t post(pksize_t) { return c_tamo_err_none; }
    tamo_err_t write(const void*, pksize_t) { return c_tamo_err_none; }
    letter_case_t see_history(const std::size_t&) { return 0; }
    void set_history_size(const std::size_t&) {}
    tamo_err_t read(void*, pksize_t*) { return c_tamo_err_none; }
};

class tamo_object_command : virtual public tamo_object, public tamo_connected_stub {
public:
    explicit tamo_object_command(int) {}
    void set_sync(const bool&) {}
    letter_case_t see_history(const client_addr_t&, const std::size_t&) { return 0; }
    void set_history_size(const std::size_t&) {}
    int get_client_count() { return 0; }
    tamo_err_t read(const client_addr_t&, void*, pksize_t*) { return c_tamo_err_none; }
    virtual void on_sync(const client_addr_t&, const sender_sync_model_t&, const double&, const double&,
                         void const* const, const pksize_t) = 0;
    virtual tamo_err_t on_connect(const client_addr_t&, const double&, const double&) = 0;
};

}  // namespace Tamo

// The generated headers use size_t unqualified.
using std::size_t;
