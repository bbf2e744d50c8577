#pragma once

// A flag that a pane holds for the length of a scope: set on construction, given back its former value on
// destruction, also when the scope is left early.

class ScopedFlag {
public:
    ScopedFlag(bool& flag, bool value) : m_flag(flag), m_former(flag) { m_flag = value; }
    ~ScopedFlag() { m_flag = m_former; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& m_flag;
    const bool m_former;
};
