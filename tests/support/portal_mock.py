'''A desktop portal offering global shortcuts. It binds every shortcut whose preferred
trigger is not listed in the parameter "taken", answering each request at once.
Press(name) activates a bound shortcut, as the user's key press would.'''
import dbus
from gi.repository import GLib

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.GlobalShortcuts'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.taken = list(parameters.get('taken', []))
    mock.AddProperty(MAIN_IFACE, 'version', dbus.UInt32(1))
    mock.AddMethod('org.freedesktop.host.portal.Registry', 'Register', 'sa{sv}', '', '')


def handle(kind, sender, token):
    return f'{MAIN_OBJ}/{kind}/{sender[1:].replace(".", "_")}/{token}'


def respond(mock, sender, options, results):
    path = handle('request', sender, options['handle_token'])
    GLib.idle_add(lambda: mock.EmitSignalDetailed('org.freedesktop.portal.Request', 'Response',
                                                  'ua{sv}', [0, results], {'path': path}))
    return dbus.ObjectPath(path)


@dbus.service.method(MAIN_IFACE, in_signature='a{sv}', out_signature='o', sender_keyword='sender')
def CreateSession(self, options, sender):
    session = handle('session', sender, options['session_handle_token'])
    self.session = session
    return respond(self, sender, options, {'session_handle': session})


@dbus.service.method(MAIN_IFACE, in_signature='oa(sa{sv})sa{sv}', out_signature='o',
                     sender_keyword='sender')
def BindShortcuts(self, session, shortcuts, parent, options, sender):
    bound = dbus.Array([(name, {'trigger_description': wanted['preferred_trigger']})
                        for name, wanted in shortcuts
                        if wanted['preferred_trigger'] not in self.taken],
                       signature='(sa{sv})')
    return respond(self, sender, options, {'shortcuts': bound})


@dbus.service.method('org.parlanda.Test', in_signature='s')
def Press(self, name):
    self.EmitSignal(MAIN_IFACE, 'Activated', 'osta{sv}',
                    [dbus.ObjectPath(self.session), name, dbus.UInt64(0), {}])
