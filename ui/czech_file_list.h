#pragma once

#include <QIdentityProxyModel>

namespace vemlik {

// The file dialog's list with the texts that Qt takes from the user's locale rather than from a
// translation, in Czech whatever the locale: the sizes with their units, the dates, and a
// file's type where Qt would name it in another language.
class CzechFileList : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;
};

} // namespace vemlik
