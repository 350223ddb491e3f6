#pragma once

#include "WindowServices.h"

// Records what the screens ask of the window system; the file dialog answers
// with `chosenImage`.
class FakeWindowServices : public WindowServices {
public:
    bool startMove(QWidget *) override {
        ++moves;
        return true;
    }
    void quit() override { ++quits; }
    std::optional<QString> askForImage(QWidget *) override {
        ++asked;
        return chosenImage;
    }

    int moves = 0;
    int quits = 0;
    int asked = 0;
    std::optional<QString> chosenImage;
};
