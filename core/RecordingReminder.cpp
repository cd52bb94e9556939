#include "RecordingReminder.h"

#include "Int32.h"
#include "Texts.h"
#include "WorkPeriodView.h"

void RecordingReminder::reset()
{
    m_state.reminderTicks = 0;
    m_state.reminderThreshold = threshold;
}

void RecordingReminder::reminderTick(WorkPeriodView &view)
{
    m_state.reminderTicks = Int32::saturatingIncrement(m_state.reminderTicks);
    if (qint64(m_state.reminderThreshold) - m_state.reminderTicks >= 0)
        return;
    reset();
    view.showNotification({texts().popupTitle, texts().reminderBody, notificationDisplayMs});
}
