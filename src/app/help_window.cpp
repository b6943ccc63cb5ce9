#include "app/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/command_prompts.h"
#include "app/menu_tables.h"
#include "ui/qt_string.h"

using orvel::Cmd;

namespace {

// "&Save\tCtrl+S" gives the name "Save" and the key "Ctrl+S".
void SplitItemText(std::string_view text, QString& name, QString& key) {
    const QString full = ToQString(text);
    const int tab = full.indexOf(QLatin1Char('\t'));
    name = tab < 0 ? full : full.left(tab);
    name.remove(QLatin1Char('&'));
    key = tab < 0 ? QString() : full.mid(tab + 1);
}

QString KeysOf(Cmd cmd) {
    QStringList keys;
    for (const orvel::Accelerator& accelerator : orvel::Accelerators()) {
        if (accelerator.cmd == cmd)
            keys << ToQString(accelerator.keys);
    }
    return keys.join(QStringLiteral(", "));
}

QString CommandsSection(const orvel::Menu& menu, const QString& window) {
    QString html = QStringLiteral("<h3>%1 menu%2</h3><table cellpadding='3'>")
                       .arg(ToQString(menu.title).remove(QLatin1Char('&')), window);
    for (const orvel::MenuItem& item : menu.items) {
        if (item.cmd == Cmd::None || item.cmd == Cmd::FileRecent)
            continue;
        QString name;
        QString key;
        SplitItemText(item.text, name, key);
        const QString keys = KeysOf(item.cmd);
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td>%3</td></tr>")
                    .arg(name.toHtmlEscaped(), (keys.isEmpty() ? key : keys).toHtmlEscaped(),
                         ToQString(orvel::PromptOf(item.cmd).prompt).toHtmlEscaped());
    }
    return html + QStringLiteral("</table>");
}

QString HelpHtml() {
    QString html = QStringLiteral(
        "<h2>Orvel</h2><p>Open a file to see its bytes as a hex dump. Type hex digits over "
        "the dump to change bytes; use the menus for the block commands, marking and "
        "comparison. Numbers in dialogs are hex unless the field says (Dec).</p>");
    const auto single = orvel::MenuBar(orvel::MenuBarKind::SingleFile);
    const auto comparison = orvel::MenuBar(orvel::MenuBarKind::Comparison);
    for (std::size_t i = 0; i < single.size(); ++i) {
        html += CommandsSection(single[i], QString());
        // The comparison window's menus differ in File and Operations.
        if (comparison[i].items.size() != single[i].items.size())
            html += CommandsSection(comparison[i], QStringLiteral(" (comparison window)"));
    }
    html += QStringLiteral("<h3>Keys</h3><table cellpadding='3'>");
    for (const orvel::Accelerator& accelerator : orvel::Accelerators()) {
        QString what = ToQString(orvel::PromptOf(accelerator.cmd).toolTip);
        if (what.isEmpty())
            what = QStringLiteral("(no command)");
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(ToQString(accelerator.keys).toHtmlEscaped(), what.toHtmlEscaped());
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

CHelpWnd::CHelpWnd(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Orvel Help"));
    browser_->setHtml(HelpHtml());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

QString CHelpWnd::text() const {
    return browser_->toPlainText();
}
