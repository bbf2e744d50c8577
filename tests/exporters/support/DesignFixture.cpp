#include "DesignFixture.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>

namespace tamo::exporters::testing {

using tamo::testing::ConnectionValues;
using tamo::testing::RunResult;
using tamo::testing::TestDatabase;

DesignBuilder::DesignBuilder(const ConnectionValues& values) : database_(values.database), db_(values) {
    if (!db_.connected()) throw std::runtime_error("cannot connect: " + db_.connectError());
    if (!db_.Login("admin", "admin")) throw std::runtime_error("admin cannot log in");
}

RunResult DesignBuilder::Call(const std::string& statement) {
    RunResult result = db_.Run(statement);
    if (!result.ok) throw std::runtime_error(statement + "\n  failed: " + result.error);
    return result;
}

std::string DesignBuilder::Text(const std::string& text) { return '\'' + db_.Escape(text) + '\''; }

void DesignBuilder::Admin(const std::string& sql) { TestDatabase::AdminQuery(database_, sql); }

std::string DesignBuilder::NewDomain(const std::string& kind, const std::string& upper_id, const std::string& name,
                                     const std::string& description) {
    RunResult result = Call("call domainViewNewDomain(" + Text(kind) + ", " + upper_id + ", " + Text(name) + ", " +
                            (kind == "method" ? "12000" : "0") + ", '1', " + Text(description) + ")");
    if (result.sets.size() < 2 || result.sets[1].rows.empty() || !result.sets[1].rows[0][0])
        throw std::runtime_error("no id for the new domain " + name);
    return *result.sets[1].rows[0][0];
}

std::string DesignBuilder::DomainId(const std::string& kind, const std::string& name) {
    RunResult result = Call("call mainViewDomainAllList(" + Text(name) + ", " + Text(kind) + ")");
    if (result.sets.size() < 2 || result.sets[1].rows.size() != 1 || !result.sets[1].rows[0][0])
        throw std::runtime_error("no " + kind + " domain " + name);
    return *result.sets[1].rows[0][0];
}

std::string DesignBuilder::DataId(const std::string& domain_id, const std::string& name) {
    RunResult result = Call("call metadataViewMetadataList(" + domain_id + ", " + Text(name) + ", 'data')");
    if (result.sets.size() < 2 || result.sets[1].rows.size() != 1 || !result.sets[1].rows[0][0])
        throw std::runtime_error("no data item " + name + " in domain " + domain_id);
    return *result.sets[1].rows[0][0];
}

ConnectionValues PrepareDesign(const std::string& name, bool with_sample,
                               const std::function<void(DesignBuilder&)>& build) {
    // The fixture is built once per run under a lock, like the database itself.
    const std::string marker = TestDatabase::ServerDir() + "/" + name + ".design";
    const int lock = open((marker + ".lock").c_str(), O_CREAT | O_RDWR, 0600);
    if (lock < 0 || flock(lock, LOCK_EX) != 0) throw std::runtime_error("cannot lock " + marker);
    ConnectionValues values;
    try {
        values = TestDatabase::Prepare(name, with_sample);
        if (build && access(marker.c_str(), F_OK) != 0) {
            DesignBuilder builder(values);
            build(builder);
            std::ofstream(marker) << "built\n";
        }
    } catch (...) {
        flock(lock, LOCK_UN);
        close(lock);
        throw;
    }
    flock(lock, LOCK_UN);
    close(lock);
    return values;
}

std::vector<std::string> ExporterArguments(const ConnectionValues& values, const std::string& user,
                                           const std::string& password, const std::string& id,
                                           const std::string& save_path) {
    return {values.host, std::to_string(values.port), values.user, values.password, values.database,
            user,        password,                    id,          save_path};
}

}  // namespace tamo::exporters::testing
