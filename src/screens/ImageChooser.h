#pragma once

#include "FileAsker.h"
#include "Setting.h"

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;

// The goal's image: its thumbnail, a button to pick a file, and a note when
// the last file picked could not be read. A failed or cancelled choice never
// changes the stored image.
class ImageChooser : public QWidget {
    Q_OBJECT

public:
    ImageChooser(Setting<std::optional<QByteArray>> image, FileAsker ask,
                 QWidget *parent = nullptr);

    void choose();

    bool failed() const { return failed_; }
    QLabel *thumbnail() const { return thumbnail_; }
    QPushButton *button() const { return button_; }
    QLabel *note() const { return note_; }

private:
    void followStore();

    Setting<std::optional<QByteArray>> image_;
    FileAsker ask_;
    bool failed_ = false;
    QLabel *thumbnail_;
    QPushButton *button_;
    QLabel *note_;
};
