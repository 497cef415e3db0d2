#pragma once

#include <QString>

namespace untagged_texts {

// The forms keep a few texts without an "ID_" tag, which a language pack
// could never reach: German labels and the English entries of their lists.
// Such a text's program string id, or 0 for any other text (units and
// signal names that read the same in every language).
int stringId(const QString &text);

// Such a text in the language in use; any other text as it is.
QString translated(const QString &text);

}
