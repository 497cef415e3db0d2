#include "HistoryWording.h"

#include "base/Language.h"

namespace history_wording {

namespace {

struct Word
{
    const char *stored;
    int stringId;
};

QString wordOf(const QString &stored, std::initializer_list<Word> words)
{
    for (const Word &w : words) {
        if (stored == QLatin1String(w.stored))
            return loadTranslatedString(w.stringId);
    }
    return stored;
}

}

QString operation(const QString &stored)
{
    // The desktop program's Compare is stored as "verify", the name of the
    // command-line tool's command that does the same.
    return wordOf(stored, {{"read", 5951}, {"write", 5952}, {"verify", 5953}, {"restore", 5954},
                           {"preset", 5955}, {"sheet", 5956}});
}

QString outcome(const QString &stored)
{
    return wordOf(stored, {{"done", 5957}, {"failed", 5958}, {"cancelled", 5959}, {"refused", 5960}});
}

QString family(const QString &stored)
{
    return wordOf(stored, {{"block", 5961}, {"register", 5962}});
}

}
