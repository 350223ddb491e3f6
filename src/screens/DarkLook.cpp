#include "DarkLook.h"

#include "TextStyle.h"
#include "Theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace DarkLook {

void apply(QApplication &application) {
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette;
    const QColor text(236, 238, 236);
    palette.setColor(QPalette::Window, Theme::background());
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(32, 36, 32));
    palette.setColor(QPalette::AlternateBase, QColor(40, 44, 40));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::PlaceholderText, TextStyle::secondary());
    palette.setColor(QPalette::Button, QColor(44, 48, 44));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(70, 110, 170));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(44, 48, 44));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Light, QColor(70, 74, 70));
    palette.setColor(QPalette::Mid, QColor(36, 40, 36));
    palette.setColor(QPalette::Dark, QColor(20, 22, 20));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 124, 120));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 124, 120));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 124, 120));
    application.setPalette(palette);
    QFont font = application.font();
    font.setPixelSize(13);
    application.setFont(font);
}

} // namespace DarkLook
