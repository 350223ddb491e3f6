#pragma once

#include "WindowServices.h"

#include <vector>

// Records what the screens ask of the window system, installed for one test.
class FakeWindowServices : public WindowServices {
public:
    FakeWindowServices() { install(this); }
    ~FakeWindowServices() override { install(nullptr); }

    bool startMove(QWidget *) override {
        ++moves;
        return true;
    }
    void resizeKeepingTop(QWidget *, int height) override { heights.push_back(height); }
    void quit() override { ++quits; }
    void runBelowOthers(QWidget *, const std::function<void()> &modal) override {
        ++lowered;
        modal();
    }

    int moves = 0;
    int quits = 0;
    int lowered = 0;
    std::vector<int> heights;
};
