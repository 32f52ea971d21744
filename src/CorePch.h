// Precompiled header of the core library: the Qt headers nearly every core file includes.
#pragma once
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QList>
#include <QtCore/QHash>
#include <QtCore/QMap>
#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtGui/QImage>
#include <QtGui/QColor>
#include <vector>
#include <memory>
