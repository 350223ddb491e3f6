#pragma once

#include <QLoggingCategory>

// Paytick's own diagnostics: what went wrong without stopping it, and what
// it chose for itself. Named so that Qt's default message pattern prints
// "Paytick: ..." on standard error; QT_LOGGING_RULES="Paytick.info=false"
// keeps the informational ones quiet.
Q_DECLARE_LOGGING_CATEGORY(paytick)
