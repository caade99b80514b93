// "CSV-Import…" in the "Ziehungen" menu: draws from a CSV file, after a
// preview of what will be added or changed ("n neue Ziehungen, m abweichende").
#pragma once

#include <QString>

class QWidget;

namespace zw {

class Host;
class Session;
struct UiServices;

// Imports `file` into the session's archive after the confirmation and
// saves; every refusal is shown. True when draws were imported and saved.
bool import_draws_csv_file(Session& session, UiServices& ui, QWidget* parent, const QString& file);
// Menu id 90: asks for the file, then as above.
void import_draws_csv(Host& host);

}  // namespace zw
