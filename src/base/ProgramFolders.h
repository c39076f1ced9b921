#pragma once

#include <QString>

namespace qv {

/// Where the program finds what it ships and where the person's own files live.
///
/// Two layouts. A portable folder (the build folder, a copied folder) keeps everything beside
/// the executable, as long as that folder is writable. An installed program (executable in
/// <prefix>/bin, shipped data in <prefix>/share/quellvantar) and a portable folder that cannot
/// be written keep the person's files in the user's configuration folder
/// (~/.config/Quellvantar, following XDG_CONFIG_HOME). Every file the program reads or writes
/// is named through one of these folders.
class ProgramFolders
{
public:
    enum class Layout {
        Portable,         // everything beside the executable
        PortableReadOnly, // shipped data beside the executable, the person's files elsewhere
        Installed,        // shipped data in share/quellvantar, the person's files elsewhere
    };

    /// The layout of a program whose executable lies in executableFolder.
    static ProgramFolders forExecutableFolder(const QString &executableFolder);
    /// The same decision with the facts given (for tests and for the rule itself).
    static ProgramFolders decide(const QString &executableFolder, bool executableFolderWritable,
                                 const QString &userConfigFolder);
    /// ~/.config/Quellvantar, or $XDG_CONFIG_HOME/Quellvantar.
    static QString userConfigFolder();

    Layout layout() const { return m_layout; }
    /// What the program ships: configuration, demonstration customer, format database, samples.
    const QString &shippedFolder() const { return m_shipped; }
    /// The person's settings and customer files.
    const QString &personalFolder() const { return m_personal; }
    bool separateFolders() const { return m_shipped != m_personal; }

    QString shipped(const QString &fileName) const;
    QString personal(const QString &fileName) const;
    /// A shipped file the person may have changed: their copy when it exists, else the shipped one.
    QString personalCopyOrShipped(const QString &fileName) const;

private:
    Layout m_layout = Layout::Portable;
    QString m_shipped;
    QString m_personal;
};

} // namespace qv
