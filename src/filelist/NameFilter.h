#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace kettwerk {

// A file-name filter as the user types it into the browser: one or more
// masks separated by ";", each with the wildcards "*" (any run of
// characters, none included) and "?" (exactly one character). A mask must
// match the whole name; upper and lower case are alike. Every other
// character, "[" included, stands for itself. An empty filter, and the mask
// "*.*", let every name through, as a directory listing does.
class NameFilter
{
public:
    explicit NameFilter(const QString& filter);

    bool matches(QStringView name) const;

private:
    QStringList m_masks; // case-folded
    bool m_everything = false;
};

} // namespace kettwerk
