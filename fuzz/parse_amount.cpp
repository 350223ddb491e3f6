// parseAmount on any text: never a crash, and any amount it gives is finite
// and positive, and the same as the plain reading of a plain decimal number
// (one whose fraction is not three digits long, which reads as grouping).
#include "Earnings.h"

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<double> amount = Earnings::parseAmount(text);
    if (amount && !(std::isfinite(*amount) && *amount > 0))
        std::abort();
    static const QRegularExpression plain(
        QStringLiteral("^[0-9]{1,15}(\\.([0-9]{1,2}|[0-9]{4,6}))?$"));
    if (plain.match(text).hasMatch()) {
        const double reading = std::strtod(text.toLatin1().constData(), nullptr);
        if (reading > 0 ? amount != reading : amount.has_value())
            std::abort();
    }
    return 0;
}
