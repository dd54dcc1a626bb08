#pragma once

namespace kettwerk {

// The languages the program speaks. German is the language its texts are
// written in; English comes from a translation built into the program.
enum class Language { German, English };

// The language for this run: KETTWERK_LANG ("de" or "en") when set to one of
// them, otherwise German on a German system and English everywhere else.
Language userLanguage();

// Puts the translation for `language` into the running application, so that
// every text asked for afterwards comes in that language. Texts written into
// files never pass through it. False when the translation cannot be loaded;
// the program then speaks German.
bool installTranslation(Language language);

} // namespace kettwerk
