#include "chakras/catalogue.h"
#include "support/testing.h"

using namespace padmora;

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QCOMPARE(chakraTitle(0), QStringLiteral("Root Chakra (Muladhara)")); }
};

PADMORA_TEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
