#include "Log.h"

Q_LOGGING_CATEGORY(paytick, "Paytick")
