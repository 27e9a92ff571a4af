#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "mainwindow/servizi_sistema.h"

namespace ardenvo {
namespace {

// The file dialog as the file commands set it up, answered by a typed name without being shown:
// a name without an extension opens the file of that very name, and saves with the extension.
TEST(DialogoFile, OnlySavingAddsTheExtensionToATypedName) {
    QTemporaryDir cartella;
    for (const char* nome : {"orario", "orario.vkd"}) {
        QFile file(cartella.filePath(nome));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString orario = "File Ardenvo (*.vkd) |*.vkd";
    const QString salvataggio = "File Salvattaggio di VKD (*.vkz) |*.vkz";
    const std::tuple<QString, bool, QString, QString> casi[] = {
        {orario, false, "orario", cartella.filePath("orario")},
        {orario, false, "orario.vkd", cartella.filePath("orario.vkd")},
        {orario, false, "/etc/passwd", "/etc/passwd"},
        {salvataggio, false, "giorno", cartella.filePath("giorno")},
        {salvataggio, true, "giorno", cartella.filePath("giorno.vkz")},
        {salvataggio, true, "giorno.vkz", cartella.filePath("giorno.vkz")},
        {salvataggio, true, "giorno.bak", cartella.filePath("giorno.bak")},
    };
    for (const auto& [filtro, salva, scritto, scelto] : casi) {
        QFileDialog dialogo(nullptr, QString(), cartella.path());
        ImpostaDialogoFile(dialogo, filtro, salva);
        dialogo.selectFile(scritto);
        EXPECT_EQ(dialogo.selectedFiles().join(", ").toStdString(), scelto.toStdString())
            << scritto.toStdString() << " " << salva;
        EXPECT_EQ(dialogo.nameFilters(), QStringList{FiltroQt(filtro)});
        EXPECT_EQ(dialogo.acceptMode(), salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    }
}

}  // namespace
}  // namespace ardenvo
