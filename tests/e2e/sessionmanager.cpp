// SPDX-License-Identifier: MIT
// sessionmanager.cpp: a session manager of the X session protocol (XSMP), as a desktop's is, for
// the end-to-end tests. It prints the address a program finds it at (for SESSION_MANAGER), and
// "client" as each program joins; then it reads lines: "save" has every client save, "logout"
// has them save for the end of the session and then end; each answers "done" once every client
// has saved.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <poll.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

std::vector<SmsConn> clients;
int saving = -1;     // clients asked to save that have not said they are done; -1: none asked
bool logout = false; // and they end once they have

Bool anyHost(char *)
{
    return True;
}

Status registerClient(SmsConn client, SmPointer, char *)
{
    char *id = SmsGenerateClientID(client);
    const Status status = SmsRegisterClientReply(client, id);
    std::free(id);
    std::cout << "client" << std::endl;
    return status;
}

void saveDone(SmsConn client, SmPointer, Bool)
{
    --saving;
    SmsSaveComplete(client);
}

void interactRequest(SmsConn client, SmPointer, int)
{
    SmsInteract(client);
}

void closeConnection(SmsConn client, SmPointer, int, char **reasons)
{
    SmFreeReasons(0, reasons);
    std::erase(clients, client);
}

Status newClient(SmsConn client, SmPointer, unsigned long *mask, SmsCallbacks *callbacks, char **)
{
    std::memset(callbacks, 0, sizeof *callbacks);
    callbacks->register_client.callback = registerClient;
    callbacks->save_yourself_done.callback = saveDone;
    callbacks->interact_request.callback = interactRequest;
    callbacks->close_connection.callback = closeConnection;
    // libSM calls every callback a client's message asks for: those of no interest do nothing.
    callbacks->set_properties.callback = [](SmsConn, SmPointer, int count, SmProp **props) {
        for (int i = 0; i < count; ++i)
            SmFreeProperty(props[i]);
        std::free(props);
    };
    callbacks->delete_properties.callback = [](SmsConn, SmPointer, int count, char **names) {
        for (int i = 0; i < count; ++i)
            std::free(names[i]);
        std::free(names);
    };
    callbacks->get_properties.callback
            = [](SmsConn client, SmPointer) { SmsReturnProperties(client, 0, nullptr); };
    callbacks->interact_done.callback = [](SmsConn, SmPointer, Bool) {};
    callbacks->save_yourself_request.callback
            = [](SmsConn, SmPointer, int, Bool, int, Bool, Bool) {};
    callbacks->save_yourself_phase2_request.callback = [](SmsConn, SmPointer) {};
    *mask = ~0ul;
    clients.push_back(client);
    return 1;
}

} // namespace

int main()
{
    char error[256] = "";
    int count = 0;
    IceListenObj *listeners = nullptr;
    if (!SmsInitialize("Tolvane tests", "1", newClient, nullptr, anyHost, sizeof error, error)
        || !IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "sessionmanager: %s\n", error);
        return 1;
    }
    for (int i = 0; i < count; ++i)
        IceSetHostBasedAuthProc(listeners[i], anyHost);
    std::cout << IceComposeNetworkIdList(count, listeners) << std::endl;

    std::vector<IceConn> connections;
    for (;;) {
        std::vector<pollfd> fds{{0, POLLIN, 0}};
        for (int i = 0; i < count; ++i)
            fds.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        for (IceConn connection : connections)
            fds.push_back({IceConnectionNumber(connection), POLLIN, 0});
        poll(fds.data(), fds.size(), -1);
        for (int i = 0; i < count; ++i)
            if (fds[size_t(i) + 1].revents) {
                IceAcceptStatus status;
                if (IceConn connection = IceAcceptConnection(listeners[i], &status))
                    connections.push_back(connection);
            }
        for (size_t i = 0; i < connections.size(); ++i)
            if (fds[size_t(count) + 1 + i].revents
                && IceProcessMessages(connections[i], nullptr, nullptr)
                           == IceProcessMessagesIOError) {
                IceCloseConnection(connections[i]);
                connections.erase(connections.begin() + long(i));
                break;
            }
        if (fds[0].revents) {
            std::string command;
            if (!std::getline(std::cin, command))
                return 0;
            logout = command == "logout";
            saving = int(clients.size());
            for (SmsConn client : clients)
                SmsSaveYourself(client, SmSaveBoth, logout, SmInteractStyleAny, False);
        }
        if (saving == 0) {
            saving = -1;
            for (SmsConn client : clients)
                if (logout)
                    SmsDie(client);
            std::cout << "done" << std::endl;
        }
    }
}
