// A view test whose error reports go where kestralune-cli sends them, so a
// command's failure is seen as the command sees it.
#pragma once

#include <string>

#include "cli/views.h"
#include "data/errorlog.h"
#include "fullscreen/viewfixture.h"

namespace kl::test {

class CliViewTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        cli::forgetFailure();
        setReportSink([](const std::string& bytes) {
            cli::recordFailure(bytes);
            return true;
        });
    }
    void TearDown() override {
        setReportSink({});
        cli::forgetFailure();
        ViewTest::TearDown();
    }
};

}  // namespace kl::test
