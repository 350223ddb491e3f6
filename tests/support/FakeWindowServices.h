#pragma once

#include "WindowServices.h"

// Records what the screens ask of the window system, installed for one test.
class FakeWindowServices : public WindowServices {
public:
    FakeWindowServices() { install(this); }
    ~FakeWindowServices() override { install(nullptr); }

    void startMove(QWidget *) override { ++moves; }
    void quit() override { ++quits; }
    void runBelowOthers(QWidget *, const std::function<void()> &modal) override {
        ++lowered;
        modal();
    }

    int moves = 0;
    int quits = 0;
    int lowered = 0;
};
