// The locale the user's environment names for one kind of thing (money,
// paper), read the way POSIX orders the variables: LC_ALL, then the
// category's own variable (LC_MONETARY, LC_PAPER), then LANG. The program
// reads the environment here alone.
#pragma once

#include <QLocale>

#include <optional>

namespace quillmere {

enum class LocaleCategory { Monetary, Paper };

// The locale named, without its encoding or modifier ("de_DE.UTF-8@euro" is
// de_DE); nothing where no variable is set, or where the first one set names
// C, POSIX or a locale Qt doesn't know.
[[nodiscard]] std::optional<QLocale> EnvironmentLocale(LocaleCategory category);

}  // namespace quillmere
