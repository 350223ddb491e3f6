#include "Currency.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(ShortestSymbol, prefersFewestCharactersThenCodePointOrderInAnyWalkOrder) {
    struct Row {
        QStringList symbols;
        QString expected;
    };
    const Row rows[] = {
        {{"US$", "$", "USD"}, "$"},
        {{"kr", "Kr", "kr."}, "Kr"},
        {{"\u20AC", "EUR"}, "\u20AC"},
        // Two code points, one character: a flag counts as one.
        {{"\U0001F1FA\U0001F1F8", "ab"}, "\U0001F1FA\U0001F1F8"},
        // Canonically equal texts tie; the order of the walk must not matter.
        {{"e\u0301", "\u00EA", "\u00E9"}, "\u00E9"},
    };
    for (const Row &row : rows) {
        QStringList symbols = row.symbols;
        std::sort(symbols.begin(), symbols.end());
        do {
            const QString chosen = Currency::shortestSymbol(symbols);
            EXPECT_EQ(chosen.normalized(QString::NormalizationForm_C), row.expected)
                << symbols.join(' ').toStdString();
        } while (std::next_permutation(symbols.begin(), symbols.end()));
    }
}
