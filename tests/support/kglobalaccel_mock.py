'''KDE's global shortcut service. It sets every key except those listed (as Qt's key
numbers) in the parameter "taken", which it answers with no key, as when another
component holds them. Press(name) reports the key of that action pressed.'''
import dbus

BUS_NAME = 'org.kde.kglobalaccel'
MAIN_OBJ = '/kglobalaccel'
MAIN_IFACE = 'org.kde.KGlobalAccel'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.taken = list(parameters.get('taken', []))
    mock.AddMethod(MAIN_IFACE, 'doRegister', 'as', '', '')
    mock.AddMethod(MAIN_IFACE, 'unregister', 'ss', 'b', 'ret = True')
    mock.AddMethod(MAIN_IFACE, 'setInactive', 'as', '', '')
    mock.AddObject('/component/parlanda', 'org.kde.kglobalaccel.Component', {}, [])


@dbus.service.method(MAIN_IFACE, in_signature='asaiu', out_signature='ai')
def setShortcut(self, action, keys, flags):
    return dbus.Array([key for key in keys if key not in self.taken], signature='i')


@dbus.service.method('org.parlanda.Test', in_signature='s')
def Press(self, name):
    self.EmitSignalDetailed('org.kde.kglobalaccel.Component', 'globalShortcutPressed', 'ssx',
                            ['parlanda', name, dbus.Int64(0)], {'path': '/component/parlanda'})
