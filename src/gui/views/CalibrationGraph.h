#pragma once
// The calibration form's graph: the plot in the sunken frame of the template
// (1145) with the axis labels at its grid lines (5011 to 5015 up the y axis,
// 5001 to 5005 along the x axis) and the axis units (5007 above, 5006 below).
// It draws the resistance (x) against the quantity (y): the background (the
// window colour while the inputs are locked), the grey bands outside the
// signal check window, a dotted grid, the chosen sensor's curve in grey and
// the support points as a red line with black squares.
#include "forms/CalibrationGraph.h"

#include <QHash>
#include <QWidget>

class QFrame;
class QLabel;

class CalibrationGraph : public QWidget
{
    Q_OBJECT
public:
    struct Picture
    {
        calibration::AxisBounds bounds;
        QVector<calibration::SupportPoint> supportPoints; // the rows in use
        QVector<calibration::SupportPoint> sensorPoints;  // as the sensor lists them
        bool locked = false;
        bool signalCheck = false;
        double signalCheckMin = 0.0;
        double signalCheckMax = 0.0;
    };

    // Takes the plot frame and the label controls (by template identifier)
    // as its children.
    CalibrationGraph(QFrame *plot, const QHash<int, QLabel *> &labels, QWidget *parent = nullptr);

    // Shows the picture and writes the axis labels.
    void setPicture(const Picture &picture);
    // The plot's drawing area: the frame's inside, shrunk by a pixel.
    QRect graphRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void paintPlot();
    void placeLabels();
    int labelColumnWidth() const;

    QFrame *m_plot;
    QHash<int, QLabel *> m_labels;
    Picture m_picture;
};
