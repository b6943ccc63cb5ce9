#include "app/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/menu_tables.h"
#include "ui/qt_string.h"

using orvel::CommandId;
using orvel::CommandRegistry;

namespace {

// "&Save\tCtrl+S" gives the name "Save" and the key "Ctrl+S".
void SplitItemText(std::string_view text, QString& name, QString& key) {
    const QString full = ToQString(text);
    const int tab = full.indexOf(QLatin1Char('\t'));
    name = tab < 0 ? full : full.left(tab);
    name.remove(QLatin1Char('&'));
    key = tab < 0 ? QString() : full.mid(tab + 1);
}

QString KeysOf(const orvel::CommandInfo& info) {
    QStringList keys;
    for (const std::string_view key : info.keys) {
        if (!key.empty())
            keys << ToQString(key);
    }
    return keys.join(QStringLiteral(", "));
}

QString CommandsSection(const CommandRegistry& commands, const orvel::Menu& menu,
                        const QString& window) {
    QString html = QStringLiteral("<h3>%1 menu%2</h3><table cellpadding='3'>")
                       .arg(ToQString(menu.title).remove(QLatin1Char('&')), window);
    for (const CommandId cmd : menu.items) {
        const CommandRegistry::Row* row = commands.Find(cmd);
        if (row == nullptr)
            continue;  // a separator or the recent-file list
        QString name;
        QString key;
        SplitItemText(row->info.menuText, name, key);
        const QString keys = KeysOf(row->info);
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td>%3</td></tr>")
                    .arg(name.toHtmlEscaped(), (keys.isEmpty() ? key : keys).toHtmlEscaped(),
                         ToQString(row->info.prompt).toHtmlEscaped());
    }
    return html + QStringLiteral("</table>");
}

QString HelpHtml(const CommandRegistry& commands) {
    QString html = QStringLiteral(
        "<h2>Orvel</h2><p>Open a file to see its bytes as a hex dump. Type hex digits over "
        "the dump to change bytes; use the menus for the block commands, marking and "
        "comparison. Numbers in dialogs are hex unless the field says (Dec).</p>");
    const auto single = orvel::MenuBar(orvel::MenuBarKind::kSingleFile);
    const auto comparison = orvel::MenuBar(orvel::MenuBarKind::kComparison);
    for (std::size_t i = 0; i < single.size(); ++i) {
        html += CommandsSection(commands, single[i], QString());
        // The comparison window's menus differ in File and Operations.
        if (comparison[i].items.size() != single[i].items.size())
            html +=
                CommandsSection(commands, comparison[i], QStringLiteral(" (comparison window)"));
    }
    html += QStringLiteral("<h3>Keys</h3><table cellpadding='3'>");
    for (const orvel::Accelerator& accelerator : orvel::Accelerators(commands)) {
        QString what = ToQString(commands.Find(accelerator.cmd)->info.toolTip);
        if (what.isEmpty())
            what = QStringLiteral("(no command)");
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(ToQString(accelerator.keys).toHtmlEscaped(), what.toHtmlEscaped());
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

HelpWnd::HelpWnd(const CommandRegistry& commands, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Orvel Help"));
    browser_->setHtml(HelpHtml(commands));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

QString HelpWnd::text() const {
    return browser_->toPlainText();
}
