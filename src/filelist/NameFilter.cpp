#include "filelist/NameFilter.h"

namespace kettwerk {
namespace {

// `mask` is case-folded already; the name is folded a character at a time.
// Walks name and mask once; on a mismatch after a "*" it lets that star
// swallow one more character and tries again from there. Linear for masks
// with one star, and never worse than name × mask.
bool matchesMask(QStringView name, QStringView mask)
{
    qsizetype n = 0;
    qsizetype m = 0;
    qsizetype star = -1;
    qsizetype starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == u'*') {
            star = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == u'?' || mask[m] == name[n].toCaseFolded())) {
            ++n;
            ++m;
        } else if (star >= 0) {
            m = star + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

} // namespace

NameFilter::NameFilter(const QString& filter)
{
    for (const QString& part : filter.split(u';', Qt::SkipEmptyParts)) {
        const QString mask = part.trimmed().toCaseFolded();
        if (mask.isEmpty())
            continue;
        if (mask == u"*" || mask == u"*.*")
            m_everything = true;
        m_masks.append(mask);
    }
    if (m_masks.isEmpty())
        m_everything = true;
}

bool NameFilter::matches(QStringView name) const
{
    if (m_everything)
        return true;
    for (const QString& mask : m_masks) {
        if (matchesMask(name, mask))
            return true;
    }
    return false;
}

} // namespace kettwerk
