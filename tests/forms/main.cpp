// Runs the page form tests: each class builds the pages anew.
#include <QApplication>
#include <QTest>

#include <memory>

namespace tarvix {
QObject* MakeTestPageForms();
QObject* MakeTestPageTexts();
QObject* MakeTestPageLayout();
QObject* MakeTestPageValues();
}  // namespace tarvix

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (auto make : {tarvix::MakeTestPageForms, tarvix::MakeTestPageTexts,
                      tarvix::MakeTestPageLayout, tarvix::MakeTestPageValues}) {
        const std::unique_ptr<QObject> test(make());
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
