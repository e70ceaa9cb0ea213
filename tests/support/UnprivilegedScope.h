// Drops root rights for a scope, so that a file without read permission
// really cannot be read by the test (tests may run as root).
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

namespace lumafold::test {

class UnprivilegedScope {
public:
    UnprivilegedScope() : root_(::geteuid() == 0) {
        if (root_ && ::seteuid(65534) != 0) ADD_FAILURE() << "cannot drop root rights";
    }
    ~UnprivilegedScope() {
        if (root_ && ::seteuid(0) != 0) ADD_FAILURE() << "cannot take root rights back";
    }
    UnprivilegedScope(const UnprivilegedScope&) = delete;
    UnprivilegedScope& operator=(const UnprivilegedScope&) = delete;

private:
    bool root_;
};

} // namespace lumafold::test
