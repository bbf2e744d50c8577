#pragma once

// One transaction of the session around a copy or an import, so that it lands whole or not at all. The
// procedures run their own units inside it as savepoints and never commit it (database/README.md,
// "Transactions"). A transaction that was neither committed nor rolled back is rolled back when the object
// goes.

#include <functional>

class CopyTransaction {
public:
    // Opens it; a failure is shown and leaves it closed.
    CopyTransaction();
    ~CopyTransaction();
    CopyTransaction(const CopyTransaction&) = delete;
    CopyTransaction& operator=(const CopyTransaction&) = delete;

    // What Commit and Run answer when the connection was lost after the commit went out, before its answer
    // came: the server may hold all of the copy or none of it. The session's text has told the user so.
    static constexpr int OUTCOME_UNKNOWN = 1;

    bool IsOpen() const { return m_open; }
    // Keeps what was sent: 0, or -1 after the server's text was shown and everything was undone, or
    // OUTCOME_UNKNOWN.
    int Commit();
    // Undoes everything sent since the start and tells the user so.
    void RollBack();

    // Runs `copy` (0, or -1 once a call failed and was shown) in one transaction: kept when it succeeds,
    // undone when it fails. 0, or -1 with nothing kept, or OUTCOME_UNKNOWN.
    static int Run(const std::function<int()>& copy);

private:
    bool m_open = false;
};
