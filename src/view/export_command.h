#pragma once

class DocumentJob;
class QWidget;
class ShellServices;

namespace orvel {
class DumpText;
}

// Export Hex Display Text: asks for the target file (owned by `parent`) and writes `text` into it
// as the document's `job` ("Exporting... 37%"). Esc stops it; a stopped export leaves the target as
// it was and says nothing. A cancelled dialog does nothing; a failure is reported to the user; a
// successful export says nothing. The bytes behind `text` stay unchanged while the job runs (the
// job holds the document).
void ExportDumpText(ShellServices& shell, QWidget* parent, const orvel::DumpText& text,
                    DocumentJob& job);
