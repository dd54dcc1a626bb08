#pragma once

#include "core/MapkeyNames.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QCompleter;
class QLineEdit;
class QStandardItemModel;

namespace kettwerk {
class MapkeyDefinitions;
}

namespace kettwerk::ui {

// frm_mapkeyneu, "Mapkey ausführen": the user types the names of mapkeys that
// are already defined in Pro/ENGINEER. Modeless; created when first shown and
// destroyed when closed. OK hands the names on and closes the window.
//
// While the user types, the mapkeys defined in the looked-up config.pro
// files are offered with their descriptions, for the name being typed: the
// first one, or the one after the last ";%".
class MapkeyWindow : public QWidget
{
    Q_OBJECT
public:
    // Opens with `names`, the names entered last, and offers the names that
    // `definitions` holds.
    // `logProgress`: whether the batch notes its progress in doit.log.
    MapkeyWindow(const QString& names, bool logProgress, const MapkeyDefinitions& definitions,
                 QWidget* owner);

    QString mapkeyNames() const;
    bool logProgress() const;

Q_SIGNALS:
    // OK was pressed with these names; the window closes right after.
    void namesEntered(const QString& names, bool logProgress);
    // The user picked a further config.pro to look mapkeys up in.
    void configFileAdded(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHint();
    void offerNames(const MapkeyDefinitions& definitions);
    void onTextEdited();
    void onNamePicked(const QString& name);
    void onAddConfigFile();
    void onOkClicked();
    // The name being typed, where the cursor stands.
    std::optional<NameSpan> nameAtCursor() const;

    QLineEdit* m_namesField = nullptr;
    QCheckBox* m_logProgress = nullptr;
    QCompleter* m_completer = nullptr;
    QStandardItemModel* m_offered = nullptr;
};

} // namespace kettwerk::ui
