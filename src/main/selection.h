// What the six device selection windows share. Each window lists a catalogue's models in a combo,
// puts the picked row into one of Engine's device objects, shows the device in a two-column
// parameter grid with its links and description, and copies what the design needs into Engine
// and the main window's device summary. A window describes each of its combos once as a
// DevicePanel; the steps below work on any panel.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QString>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/catalogue.h"
#include "engine/urzadzenie.h"
#include "platform/form_ui.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/put_off_steps.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

// One catalogue choice of a window: its combo, grid, links and memo, the catalogue table it
// offers and the device object of Engine it fills. The widgets are attached when the window's
// widgets are built; until then the panel takes rows into its device only.
struct DevicePanel {
  QComboBox* combo = nullptr;
  QTableWidget* grid = nullptr;
  QPlainTextEdit* memo = nullptr;
  const CCatalogueTable* table = nullptr;  // one of the main window's tables
  int comboColumn = 0;                     // the catalogue column the combo lists
  CUrzadzenie* device = nullptr;
  std::function<int32_t&()> id;  // the device's catalogue id
  // A copy of the device as it is now, to be shown later.
  std::function<std::shared_ptr<const CUrzadzenie>()> copy;
  // The device's text of each link, and the labels showing them in the same order.
  std::vector<std::function<std::string(const CUrzadzenie&)>> linkTexts;
  std::vector<QLabel*> linkLabels;

  void Attach(QComboBox* combo, QTableWidget* grid, QPlainTextEdit* memo,
              std::initializer_list<QLabel*> labels) {
    this->combo = combo;
    this->grid = grid;
    this->memo = memo;
    linkLabels.assign(labels);
  }
};

// The device's type comes from its pointer alone; a link may be a member of the base class.
template <class T>
struct PanelType {
  using type = T;
};

template <class Device>
DevicePanel MakePanel(
    Device* device, const CCatalogueTable& table, int comboColumn,
    std::initializer_list<typename PanelType<std::string Device::*>::type> links) {
  DevicePanel panel;
  panel.table = &table;
  panel.comboColumn = comboColumn;
  panel.device = device;
  panel.id = [device]() -> int32_t& { return device->ID; };
  panel.copy = [device] {
    return std::shared_ptr<const CUrzadzenie>(std::make_shared<Device>(*device));
  };
  for (std::string Device::*member : links)
    panel.linkTexts.emplace_back(
        [member](const CUrzadzenie& shown) { return static_cast<const Device&>(shown).*member; });
  return panel;
}

class TSelectionWindow : public QDialog {
  Q_OBJECT

 public:
  explicit TSelectionWindow(QWidget* parent = nullptr);

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

  // The engine's notices (a device whose catalogue row is gone) as warning boxes.
  static platform::MessageBoxWarningNotifier Notifier;

  // After the catalogue update: a window on the screen lists its tables afresh, as a new showing
  // would; a hidden one does so when it is next shown.
  void CataloguesReplaced();

 protected:
  // The window's widgets wait for their first use: `build` (the form's setupUi, the panels'
  // widgets and the connections) runs then, followed by the creation's widget steps.
  template <class Form>
  void PutOffWidgets(platform::FormUi<Form>& ui, std::function<void()> build) {
    buildWidgets_ = [&ui] { ui.Build(); };
    ui.Defer([this, build = std::move(build)] {
      build();
      widgetSteps_.Run();
    });
  }
  // A step of the creation that writes widgets, with the values it shows taken now: run at the
  // build, or at once when the widgets are there.
  void Later(std::function<void()> step) { widgetSteps_.Add(std::move(step)); }

  // Runs each time the window is shown (not when it is restored from the task bar).
  virtual void FormShow() {}
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  // Column widths, 18-px rows and the captions of column 0; the cells are painted with odd rows
  // light blue (166, 202, 240) and every text centred.
  static void SetUpGrid(QTableWidget* grid, std::initializer_list<int> widths,
                        std::initializer_list<const char*> captions);
  // Odd rows light blue, text centred, through the program's cell painter.
  static void PaintOddRowsBlue(QTableWidget* grid);

  // Clears the combo and lists the panel's column of every row of its table, in table order; no
  // entry stays selected and the combo's text is empty.
  static void FillCombo(const DevicePanel& panel);
  // Rows of the panel's table that can be read (never beyond the rows the table holds).
  static int Rows(const DevicePanel& panel);
  // Takes catalogue row `row` into the panel's device: its id, the row itself, then grid, links
  // and memo. False, with nothing changed, when the table has no such row.
  static bool TakeRow(const DevicePanel& panel, int row);
  // TakeRow without the widgets.
  static bool TakeDevice(const DevicePanel& panel, int row);
  // The device in the panel's grid, links and memo.
  static void ShowDevice(const DevicePanel& panel, const CUrzadzenie& device);
  // The device that a project or a device set brought (possibly no longer in the catalogue):
  // shown, and its model as the combo's text with no entry selected.
  static void ShowEngineDevice(const DevicePanel& panel);
  // While a project or a device set is in effect the windows show Engine's devices.
  static bool ShowsEngineDevices();

  // The combo of a window's device: editable text that the user cannot type into, showing the
  // form's invitation until an entry is selected.
  static void PrepareCombo(QComboBox* combo, const char* invitation);

  // The shared steps of a panel; each window adds its own copies into Engine after them.
  // Creation: the combo lists the table, `index` := row, that entry selected and the row taken.
  // False when the table has no such row (an empty catalogue): then nothing is taken. The widgets
  // get the combo's list as the table is at their build, the row and the device as taken now.
  bool CreatePanel(const DevicePanel& panel, int32_t& index, int row = 0);
  // A pick in the combo: `index` := the picked entry, the row taken, SetPriceMode := 0 (the cost
  // items count again instead of a device set's price).
  static bool ChoosePanel(const DevicePanel& panel, int32_t& index);
  // Showing: the combo lists the table afresh; the device of a project or device set is shown
  // when showDevice says so; Engine is never written.
  static void ShowPanel(const DevicePanel& panel, bool showDevice);

  // Panel 0 of the main window's status bar.
  static void SetStatusText(const QString& text);

  // "Akceptuj", "Oferta producentów " and the editor button of a window's form to its
  // BitBtn1Click, BitBtn2Click and BitBtn3Click.
  template <class Window>
  static void ConnectButtons(Window* window) {
    platform::Connect(window->ui().BitBtn1, &QPushButton::clicked, window, &Window::BitBtn1Click);
    platform::Connect(window->ui().BitBtn2, &QPushButton::clicked, window, &Window::BitBtn2Click);
    platform::Connect(window->ui().BitBtn3, &QPushButton::clicked, window, &Window::BitBtn3Click);
  }

  // A click on the label runs the handler; the hand-point cursor shows it is a link.
  void ConnectLink(QLabel* label, std::function<void()> handler, bool handCursor = true);
  // Shows a link address in its label (see OpenLink).
  static void ShowLink(QLabel* label, const QString& link);
  // Hands the label's address to the shell unless it is "brak" or empty. Only web and mail
  // addresses reach the shell; anything else a catalogue holds there is refused with a notice.
  static void OpenLink(const QLabel* label);
  // The catalogue editor of the window's device kind. The selection window learns of the
  // editor's changes when it is next shown.
  void ShowEditor(QDialog* editor, bool modal);
  // "Oferta producentów ": the producers of the remote database, connecting again each time.
  void ShowProducers();

 private:
  std::map<QObject*, std::function<void()>> linkHandlers_;
  std::function<void()> buildWidgets_;
  platform::PutOffSteps widgetSteps_;
};
