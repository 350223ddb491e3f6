#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Asks the user for an image file; no value when cancelled.
using FileAsker = std::function<std::optional<QString>(QWidget *parent)>;
