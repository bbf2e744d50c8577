#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "ResultCells.h"
#include "TestDatabase.h"

namespace tamo::testing::system {

// The sample's domains (database/sample/README.md).
constexpr int kShip = 9;
constexpr int kBridge = 10;          // 조타실: a sub-system of Ship, locked by Ship's node 조타실 시스템
constexpr int kEngine = 11;          // 기관실: a sub-system of Ship, not locked
constexpr int kConsole = 12;         // Operator's Console: private
constexpr int kNavService = 6;       // method domain with IHeartbeat, INavigation, IWaypoint
constexpr int kPositionService = 7;  // method domain with I위치

using tamo::testing::Cell;
using tamo::testing::Column;
using tamo::testing::ExpectRefusal;

// A reader that succeeded: status 1, then exactly one data set.
inline ResultSet DataOf(const RunResult& result) {
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.sets.size(), 2u) << result.error;
    if (result.sets.size() != 2) return {};
    EXPECT_EQ(Cell(result.sets[0], 0, 0), "1");
    return result.sets[1];
}

// A change that succeeded: the status set with 1 and nothing else.
inline void ExpectDone(const RunResult& result) {
    EXPECT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.sets.size(), 1u) << result.error;
    EXPECT_EQ(result.sets[0].keys, std::vector<std::string>{"test"});
    EXPECT_EQ(Cell(result.sets[0], 0, 0), "1");
}

// The one-row answer of a lock check (no status set).
inline std::string LockAnswer(const RunResult& result) {
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.sets.size(), 1u);
    if (result.sets.size() != 1 || result.sets[0].rows.size() != 1) return "?";
    return Cell(result.sets[0], 0, 0);
}

// Ids of what the system procedures created, looked up by name through the server's administrator.
class SampleIds {
public:
    explicit SampleIds(std::string database) : database_(std::move(database)) {}

    std::string Query(const std::string& sql) const {
        std::string out = TestDatabase::AdminQuery(database_, sql);
        while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
        return out;
    }

    // Replaces the placeholders of a call text by ids:
    //   {node:NAME}                       a node of any domain
    //   {component:NAME}                  a component
    //   {class:COMPONENT/KIND/CLASS}      a proxy or stub class
    //   {deployment:NODE/COMPONENT}       the deployment (not a clone) of a component on a node
    //   {clone:NODE/COMPONENT}            the clone of a deployment on a sub-system node
    //   {entry:NODE/OBJECT}               the installed entry of an object on a node
    std::string Expand(const std::string& text) const {
        static const std::regex placeholder(R"(\{(node|component|class|deployment|clone|entry):([^}]*)\})");
        std::string result;
        auto begin = std::sregex_iterator(text.begin(), text.end(), placeholder);
        size_t last = 0;
        for (auto it = begin; it != std::sregex_iterator(); ++it) {
            result += text.substr(last, it->position() - last);
            result += Lookup((*it)[1], (*it)[2]);
            last = it->position() + it->length();
        }
        return result + text.substr(last);
    }

    std::string Lookup(const std::string& kind, const std::string& key) const {
        auto cached = cache_.find(kind + ":" + key);
        if (cached != cache_.end()) return cached->second;
        std::vector<std::string> parts = Split(key);
        std::string sql;
        if (kind == "node") {
            sql = "SELECT id FROM node WHERE name = " + Quote(parts.at(0));
        } else if (kind == "component") {
            sql = "SELECT id FROM component WHERE name = " + Quote(parts.at(0));
        } else if (kind == "class") {
            sql = "SELECT a.id FROM component_class a JOIN component c ON c.id = a.component_id WHERE c.name = " +
                  Quote(parts.at(0)) + " AND a.kind = " + Quote(parts.at(1)) + " AND a.class_name = " + Quote(parts.at(2));
        } else if (kind == "deployment") {
            sql = "SELECT dp.id FROM deployment dp JOIN node n ON n.id = dp.node_id JOIN component c ON c.id = "
                  "dp.component_id WHERE dp.source_deployment_id IS NULL AND n.name = " + Quote(parts.at(0)) +
                  " AND c.name = " + Quote(parts.at(1));
        } else if (kind == "clone") {
            sql = "SELECT dp.id FROM deployment dp JOIN node n ON n.id = dp.node_id JOIN component c ON c.id = "
                  "dp.component_id WHERE dp.source_deployment_id IS NOT NULL AND n.name = " + Quote(parts.at(0)) +
                  " AND c.name = " + Quote(parts.at(1));
        } else if (kind == "entry") {
            sql = "SELECT e.id FROM custom_entry e JOIN deployment dp ON dp.id = e.deployment_id JOIN node n ON "
                  "n.id = dp.node_id JOIN class_object o ON o.id = e.object_ref WHERE n.name = " + Quote(parts.at(0)) +
                  " AND o.object_name = " + Quote(parts.at(1));
        }
        std::string id = Query(sql);
        EXPECT_FALSE(id.empty() || id.find('\n') != std::string::npos) << kind << ":" << key << " -> '" << id << "'";
        cache_[kind + ":" + key] = id;
        return id;
    }

private:
    static std::vector<std::string> Split(const std::string& key) {
        std::vector<std::string> parts;
        size_t start = 0;
        for (size_t slash; (slash = key.find('/', start)) != std::string::npos; start = slash + 1)
            parts.push_back(key.substr(start, slash - start));
        parts.push_back(key.substr(start));
        return parts;
    }
    static std::string Quote(const std::string& text) {
        std::string quoted = "'";
        for (char c : text) quoted += (c == '\'' ? std::string("''") : std::string(1, c));
        return quoted + "'";
    }

    std::string database_;
    mutable std::map<std::string, std::string> cache_;
};

}  // namespace tamo::testing::system
