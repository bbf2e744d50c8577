#include "ExporterRun.h"

#include <xercesc/util/OutOfMemoryException.hpp>

#include <cstdio>
#include <exception>
#include <new>
#include <string>

#include "ExportError.h"

namespace tamo::exporters {

int run_exporter(const std::function<void()>& pass) {
    std::string error;
    try {
        pass();
        return 0;
    } catch (const ExportError& failure) {
        error = failure.what();
    } catch (const std::bad_alloc&) {
        error = "out of memory";
    } catch (const xercesc::OutOfMemoryException&) {
        error = "out of memory";
    } catch (const std::exception& failure) {
        error = failure.what();
    } catch (...) {
        error = "unexpected failure";
    }
    std::printf("err : %s\n", error.c_str());
    std::fflush(stdout);
    return 1;
}

}  // namespace tamo::exporters
